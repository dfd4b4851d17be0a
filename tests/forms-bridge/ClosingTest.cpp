// Every bridge window closed while its first reads are still running: the
// requests are switched off, nothing reaches the closed window, and the
// next window of the same kind works.
#include "BridgeFixture.h"
#include "TForwardUnregisteredInformationForm.h"
#include "TGARPForm.h"
#include "TMulticastFilterInformationForm.h"
#include "TMulticastForwardingInformationForm.h"
#include "TPBridgeConfigForm.h"
#include "TPortCapabilities8021dForm.h"
#include "TTpGroupDestinationForwardedForm.h"
#include "TUnicastFilterInformationForm.h"
#include "TVLanGeneralInfoForm.h"
#include "TVLanPortInfomationForm.h"

using namespace bridge_test;

namespace {

class ClosingTest : public BridgeSimTest
{
};

template <typename Form> TBridgeInfoForm *Make()
{
    return new Form(nullptr);
}

} // namespace

TEST_F(ClosingTest, ClosingDuringTheFirstReadLeavesNothingBehind)
{
    struct Case
    {
        const char *name;
        TBridgeInfoForm *(*make)();
    };
    const Case cases[] = {
        {"802.1P", &Make<TPBridgeConfigForm>},
        {"GARP", &Make<TGARPForm>},
        {"port capabilities", &Make<TPortCapabilities8021dForm>},
        {"802.1Q", &Make<TVLanGeneralInfoForm>},
        {"port VLAN", &Make<TVLanPortInfomationForm>},
        {"Tp group", &Make<TTpGroupDestinationForwardedForm>},
        {"forward all", &Make<TMulticastForwardingInformationForm>},
        {"forward unregistered", &Make<TForwardUnregisteredInformationForm>},
        {"static multicast", &Make<TMulticastFilterInformationForm>},
        {"static unicast", &Make<TUnicastFilterInformationForm>},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<TBridgeInfoForm> form(c.make());
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
        std::unique_ptr<TBridgeInfoForm> next(c.make());
        next->show();
        EXPECT_TRUE(WaitUntil([&] { return !next->Memo1->toPlainText().isEmpty(); }));
        next->done(0);
    }
}
