#pragma once

#include <QList>
#include <QPixmap>
#include <QStringList>

// An indexed list of same-sized pictures, such as the stack-number pictures
// that the panel windows copy into their stack picture. Asking for a picture
// outside the list gives a null pixmap.
class KtImageList
{
public:
    // Decodes the JPEG pictures at paths, in order. A picture that cannot be
    // decoded keeps its place as a null pixmap, so indexes stay aligned.
    static KtImageList FromPictures(const QStringList &paths);

    // The 14 stack-number pictures: picture n - 1 shows unit n, picture 13
    // unit 15 (StackPictureIndexFor).
    static KtImageList StackNumbers();

    int Count() const { return int(pixmaps_.size()); }
    QPixmap Pixmap(int index) const;
    void Append(const QPixmap &pixmap) { pixmaps_.append(pixmap); }

private:
    QList<QPixmap> pixmaps_;
};
