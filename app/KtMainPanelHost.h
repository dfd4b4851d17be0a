#pragma once

#include "KtImageList.h"
#include "PanelHost.h"

class TMainForm;

// What the front-panel windows get from the main window: its list of port
// buttons, its status panel 0 for the LED status lines, the stack-number
// pictures of its image list, and the two port windows.
class KtMainPanelHost : public PanelHost
{
public:
    explicit KtMainPanelHost(TMainForm &form);

    QList<QAbstractButton *> &PortButtons() override;
    QLabel *StatusPanel() override;
    QPixmap StackPicture(int index) override;

private:
    TMainForm &form_;
    KtImageList stackNumbers_;
};
