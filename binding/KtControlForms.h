#pragma once

#include "KtControlBinding.h"

#include <QByteArray>
#include <QString>

// How each kind of bound control shows a value text and gives it back.
// `image` is the raw image of the same value (check-box groups show its
// bits). Raises -517 for a single check box on a type that is not a truth
// value, -519 for a bit past the end of the image, -521 for a control kind
// that cannot be bound and -522 for too few controls in a group.
namespace KtControlForms {

void Show(const KtControlBinding &binding, const QString &text, const QByteArray &image);

// The text the controls hold; a check-box group gives its image in *image
// instead (and returns an empty text).
QString Collect(const KtControlBinding &binding, QByteArray *image);

} // namespace KtControlForms
