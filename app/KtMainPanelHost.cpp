#include "KtMainPanelHost.h"

#include "TMainForm.h"

KtMainPanelHost::KtMainPanelHost(TMainForm &form) : form_(form), stackNumbers_(KtImageList::StackNumbers()) {}

QList<QAbstractButton *> &KtMainPanelHost::PortButtons()
{
    return form_.PortButtons;
}

QLabel *KtMainPanelHost::StatusPanel()
{
    return form_.StatusPanel0;
}

QPixmap KtMainPanelHost::StackPicture(int index)
{
    return stackNumbers_.Pixmap(index);
}
