#pragma once

#include "KtDescriptorTable.h"
#include "TAuthMethodListForm.h"

// The login method lists: up to four methods a user's login is checked
// against, in turn.
class TLoginMethodListForm : public TAuthMethodListForm
{
    Q_OBJECT
public:
    static const KtSNMPVarDef Variables[];
    static const TAuthMethodListTexts Texts;

    explicit TLoginMethodListForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();
};
