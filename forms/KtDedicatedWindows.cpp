#include "KtDedicatedWindows.h"

#include "TAggregatorPortTableForm.h"
#include "TBOOTCtrlTableForm.h"
#include "TDiagnosticsInformationForm.h"
#include "TEnableMethodForm.h"
#include "TEquipmentBasicInfoForm.h"
#include "TEthernetInformationRuleForm.h"
#include "TEthernetMaskInformationForm.h"
#include "TForwardUnregisteredInformationForm.h"
#include "TGARPForm.h"
#include "TIPMaskInformationForm.h"
#include "TIPRuleForm.h"
#include "TLoginMethodListForm.h"
#include "TMacStatisticTableForm.h"
#include "TMulticastFilterInformationForm.h"
#include "TMulticastForwardingInformationForm.h"
#include "TPBridgeConfigForm.h"
#include "TPortCapabilities8021dForm.h"
#include "TPortMirrorForm.h"
#include "TPortTrunkForm.h"
#include "TRouteRedistributForm.h"
#include "TSSLManagementForm.h"
#include "TSTP_Info.h"
#include "TServerGroupForm.h"
#include "TServerInformationForm.h"
#include "TSpanningTreeAlgorithmForm.h"
#include "TTpGroupDestinationForwardedForm.h"
#include "TTrafficSegmentationForm.h"
#include "TUnicastFilterInformationForm.h"
#include "TUserDefinedInformationRuleForm.h"
#include "TUserMaskInfoForm.h"
#include "TVLanCurrentTableForm.h"
#include "TVLanGeneralInfoForm.h"
#include "TVLanPortInfomationForm.h"
#include "TVlanStaticForm.h"

#include <QDialog>
#include <cstring>
#include <type_traits>

namespace {

// A window of the main window, with the device state where it takes one.
template <class Window> QDialog *MakeWindow(QWidget *owner, KtDeviceState &state)
{
    if constexpr (std::is_constructible_v<Window, QWidget *, KtDeviceState *>)
        return new Window(owner, &state);
    else
        return new Window(owner);
}

// A window that belongs to the application, not to the main window.
template <class Window> QDialog *MakeApplicationWindow(QWidget *, KtDeviceState &)
{
    return new Window(nullptr);
}

template <class Window> constexpr KtDedicatedWindowDef Def(const char *className)
{
    return {className, &MakeWindow<Window>, &Window::DescriptorTables};
}

template <class Window> constexpr KtDedicatedWindowDef ApplicationDef(const char *className)
{
    return {className, &MakeApplicationWindow<Window>, &Window::DescriptorTables};
}

const KtDedicatedWindowDef kDedicatedWindows[] = {
    Def<TVlanStaticForm>("TVlanStaticForm"),
    Def<TVLanCurrentTableForm>("TVLanCurrentTableForm"),
    Def<TSTP_Info>("TSTP_Info"),
    Def<TSpanningTreeAlgorithmForm>("TSpanningTreeAlgorithmForm"),
    Def<TEquipmentBasicInfoForm>("TEquipmentBasicInfoForm"),
    // The SSL window belongs to the application, not to the main window.
    ApplicationDef<TSSLManagementForm>("TSSLManagementForm"),
    Def<TDiagnosticsInformationForm>("TDiagnosticsInformationForm"),
    Def<TMacStatisticTableForm>("TMacStatisticTableForm"),
    Def<TAggregatorPortTableForm>("TAggregatorPortTableForm"),
    Def<TBOOTCtrlTableForm>("TBOOTCtrlTableForm"),
    Def<TRouteRedistributForm>("TRouteRedistributForm"),
    Def<TPortTrunkForm>("TPortTrunkForm"),
    Def<TPortMirrorForm>("TPortMirrorForm"),
    Def<TTrafficSegmentationForm>("TTrafficSegmentationForm"),
    Def<TPBridgeConfigForm>("TPBridgeConfigForm"),
    Def<TGARPForm>("TGARPForm"),
    Def<TPortCapabilities8021dForm>("TPortCapabilities8021dForm"),
    Def<TVLanGeneralInfoForm>("TVLanGeneralInfoForm"),
    Def<TVLanPortInfomationForm>("TVLanPortInfomationForm"),
    Def<TTpGroupDestinationForwardedForm>("TTpGroupDestinationForwardedForm"),
    Def<TMulticastForwardingInformationForm>("TMulticastForwardingInformationForm"),
    Def<TForwardUnregisteredInformationForm>("TForwardUnregisteredInformationForm"),
    Def<TMulticastFilterInformationForm>("TMulticastFilterInformationForm"),
    Def<TUnicastFilterInformationForm>("TUnicastFilterInformationForm"),
    // The authentication windows belong to the application, not to the main window.
    ApplicationDef<TLoginMethodListForm>("TLoginMethodListForm"),
    ApplicationDef<TEnableMethodForm>("TEnableMethodForm"),
    ApplicationDef<TServerGroupForm>("TServerGroupForm"),
    ApplicationDef<TServerInformationForm>("TServerInformationForm"),
    Def<TEthernetMaskInformationForm>("TEthernetMaskInformationForm"),
    Def<TIPMaskInformationForm>("TIPMaskInformationForm"),
    Def<TUserMaskInfoForm>("TUserMaskInfoForm"),
    Def<TEthernetInformationRuleForm>("TEthernetInformationRuleForm"),
    Def<TIPRuleForm>("TIPRuleForm"),
    Def<TUserDefinedInformationRuleForm>("TUserDefinedInformationRuleForm"),
    {},
};

} // namespace

const KtDedicatedWindowDef *KtFindDedicatedWindow(const char *className)
{
    if (!className)
        return nullptr;
    for (const KtDedicatedWindowDef &window : kDedicatedWindows)
        if (window.ClassName && std::strcmp(window.ClassName, className) == 0)
            return &window;
    return nullptr;
}
