#pragma once

#include "TDiagnosticsInformationForm.h"

// The EAPOL frame counters of every port under the MAC-based authentication
// menu: the same table as the diagnostics window, under its own caption.
class TMacStatisticTableForm : public TDiagnosticsInformationForm
{
    Q_OBJECT
public:
    explicit TMacStatisticTableForm(QWidget *owner = nullptr);
};
