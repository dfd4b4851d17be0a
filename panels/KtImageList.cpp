#include "KtImageList.h"

#include "KtJpegImage.h"
#include "PanelLayout.h"

KtImageList KtImageList::FromPictures(const QStringList &paths)
{
    KtImageList list;
    for (const QString &path : paths)
        list.Append(QPixmap::fromImage(KtJpegImage::Load(path)));
    return list;
}

KtImageList KtImageList::StackNumbers()
{
    QStringList paths;
    for (int index = 0; index < kStackPictureCount; ++index)
        paths.append(StackPicturePath(index));
    return FromPictures(paths);
}

QPixmap KtImageList::Pixmap(int index) const
{
    return index >= 0 && index < Count() ? pixmaps_[index] : QPixmap();
}
