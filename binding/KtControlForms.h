#pragma once

#include "KtControlBinding.h"

#include <QByteArray>
#include <QString>

// How each kind of bound control shows a value text and gives it back.
// `image` is the raw image of the same value (check-box groups show its
// bits). Raises -517 for a single check box on a type that is not a truth
// value, -519 for a negative bit number, -521 for a control kind
// that cannot be bound and -522 for too few controls in a group. Collecting
// a combo box or radio group that shows no choice raises -518 with the text
// "Some items are empty.".
namespace KtControlForms {

// A check box of a check-box group with this property set to true stands for
// nothing that exists (a port of an absent unit): it is shown unchecked and
// its bit is written as 0, whatever the value read holds. Bits past the end
// of a shorter value are shown unchecked as well.
inline constexpr const char *AbsentProperty = "KtAbsent";

void Show(const KtControlBinding &binding, const QString &text, const QByteArray &image);

// The text the controls hold; a check-box group gives its image in *image
// instead (and returns an empty text).
QString Collect(const KtControlBinding &binding, QByteArray *image);

} // namespace KtControlForms
