#include "KtPortButton.h"

#include "KtJpegImage.h"

#include <QHash>
#include <QPainter>

namespace {

// Glyphs are shared by many buttons of many panels: each is decoded once.
QPixmap GlyphAt(const QString &path)
{
    static QHash<QString, QPixmap> cache;
    auto found = cache.constFind(path);
    if (found != cache.constEnd())
        return *found;
    const QPixmap pixmap = QPixmap::fromImage(KtJpegImage::Load(path));
    cache.insert(path, pixmap);
    return pixmap;
}

} // namespace

KtPortButton::KtPortButton(const PortButton &layout, QWidget *parent)
    : QAbstractButton(parent), Port(layout.Port), kind_(layout.Kind),
      glyph_(GlyphAt(SocketGlyphPath(layout, false))), pressedGlyph_(GlyphAt(SocketGlyphPath(layout, true)))
{
    setObjectName(layout.Name);
    setGeometry(layout.Rect);
    setCheckable(kind_ == ButtonKind::Toggle);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

int KtPortButton::TagOf(const QAbstractButton *button)
{
    const auto *port = dynamic_cast<const KtPortButton *>(button);
    return port ? port->Tag : -1;
}

void KtPortButton::Release()
{
    setChecked(false);
    setDown(false);
}

void KtPortButton::Press()
{
    if (isCheckable())
        setChecked(true);
}

void KtPortButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap &glyph = IsPressed() ? pressedGlyph_ : glyph_;
    if (!glyph.isNull())
        painter.drawPixmap(rect(), glyph);
}
