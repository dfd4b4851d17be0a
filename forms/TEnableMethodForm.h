#pragma once

#include "KtDescriptorTable.h"
#include "TAuthMethodListForm.h"

// The enable method lists: up to four methods that admit a user to the
// privileged level, in turn.
class TEnableMethodForm : public TAuthMethodListForm
{
    Q_OBJECT
public:
    static const KtSNMPVarDef Variables[];
    static const TAuthMethodListTexts Texts;

    explicit TEnableMethodForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();
};
