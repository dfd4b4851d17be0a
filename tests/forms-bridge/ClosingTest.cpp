// Every bridge window closed while its first reads are still running: the
// requests are switched off, nothing reaches the closed window, and the
// next window of the same kind works.
#include "BridgeFixture.h"
#include "KtDedicatedWindows.h"

#include <QDialog>

using namespace bridge_test;

namespace {

class ClosingTest : public BridgeSimTest
{
protected:
    // The window of a class as the menu makes it.
    TBridgeInfoForm *Make(const char *className)
    {
        const KtDedicatedWindowDef *window = KtFindDedicatedWindow(className);
        EXPECT_TRUE(window) << className;
        return window ? static_cast<TBridgeInfoForm *>(window->Create(nullptr, state_)) : nullptr;
    }
};

} // namespace

TEST_F(ClosingTest, ClosingDuringTheFirstReadLeavesNothingBehind)
{
    struct Case
    {
        const char *name;
        const char *className;
    };
    const Case cases[] = {
        {"802.1P", "TPBridgeConfigForm"},
        {"GARP", "TGARPForm"},
        {"port capabilities", "TPortCapabilities8021dForm"},
        {"802.1Q", "TVLanGeneralInfoForm"},
        {"port VLAN", "TVLanPortInfomationForm"},
        {"Tp group", "TTpGroupDestinationForwardedForm"},
        {"forward all", "TMulticastForwardingInformationForm"},
        {"forward unregistered", "TForwardUnregisteredInformationForm"},
        {"static multicast", "TMulticastFilterInformationForm"},
        {"static unicast", "TUnicastFilterInformationForm"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<TBridgeInfoForm> form(Make(c.className));
        form->show();
        form->done(0);
        EXPECT_FALSE(form->isVisible());
        // Clicks after closing start nothing.
        form->RefreshBtn->click();
        // Closing waited for the read under way: what its end queued runs now.
        form.reset();
        RunQueuedEvents();
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
        // The ready flags are free for the next window.
        EXPECT_TRUE(TBridgeInfoForm::RefreshIdle && TBridgeInfoForm::SetIdle);
        std::unique_ptr<TBridgeInfoForm> next(Make(c.className));
        next->show();
        EXPECT_TRUE(WaitUntil([&] { return !next->Memo1->toPlainText().isEmpty(); }));
        next->done(0);
    }
}
