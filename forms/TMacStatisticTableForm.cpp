#include "TMacStatisticTableForm.h"

TMacStatisticTableForm::TMacStatisticTableForm(QWidget *owner)
    : TDiagnosticsInformationForm(owner, QStringLiteral("MacStatisticTableForm"),
                                  QStringLiteral("MacStatisticTableForm"))
{
}
