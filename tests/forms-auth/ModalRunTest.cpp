// Each authentication window runs modally, as the menu opens it, and closes
// from its modal loop, also while its first read may still be under way.
#include "AuthFixture.h"
#include "TEnableMethodForm.h"
#include "TLoginMethodListForm.h"
#include "TServerGroupForm.h"
#include "TServerInformationForm.h"

#include <QTreeWidget>

using namespace auth_test;

namespace {

using ModalRunTest = QgSimSuite;

TEST_F(ModalRunTest, EveryWindowOpensModallyAndCloses)
{
    const struct
    {
        const char *objectName;
        std::function<QDialog *()> make;
        int rows;
    } cases[] = {
        {"LoginMethodListForm", [] { return new TLoginMethodListForm(nullptr); }, 2},
        {"EnableMethodForm", [] { return new TEnableMethodForm(nullptr); }, 1},
        {"ServerInformationForm", [] { return new TServerInformationForm(nullptr); }, 2},
        {"ServerGroupForm", [] { return new TServerGroupForm(nullptr); }, 4},
    };
    for (const auto &test : cases) {
        std::unique_ptr<QDialog> window(test.make());
        int rowsSeen = -1;
        WhenModal(test.objectName, [&rowsSeen](QDialog *dialog) {
            auto *list = dialog->findChild<QTreeWidget *>();
            WaitUntil([dialog] {
                auto *group = qobject_cast<TServerGroupForm *>(dialog);
                return !group || !group->Working();
            });
            rowsSeen = list ? list->topLevelItemCount() : -1;
            dialog->reject();
        });
        EXPECT_EQ(window->exec(), int(QDialog::Rejected)) << test.objectName;
        EXPECT_EQ(rowsSeen, test.rows) << test.objectName;
        EXPECT_TRUE(messages_.isEmpty()) << test.objectName << messages_.join('|').toStdString();
    }
}

} // namespace
