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

const KtDedicatedWindowDef kDedicatedWindows[] = {
    {"TVlanStaticForm", &MakeWindow<TVlanStaticForm>},
    {"TVLanCurrentTableForm", &MakeWindow<TVLanCurrentTableForm>},
    {"TSTP_Info", &MakeWindow<TSTP_Info>},
    {"TSpanningTreeAlgorithmForm", &MakeWindow<TSpanningTreeAlgorithmForm>},
    {"TEquipmentBasicInfoForm", &MakeWindow<TEquipmentBasicInfoForm>},
    // The SSL window belongs to the application, not to the main window.
    {"TSSLManagementForm", &MakeApplicationWindow<TSSLManagementForm>},
    {"TDiagnosticsInformationForm", &MakeWindow<TDiagnosticsInformationForm>},
    {"TMacStatisticTableForm", &MakeWindow<TMacStatisticTableForm>},
    {"TAggregatorPortTableForm", &MakeWindow<TAggregatorPortTableForm>},
    {"TBOOTCtrlTableForm", &MakeWindow<TBOOTCtrlTableForm>},
    {"TRouteRedistributForm", &MakeWindow<TRouteRedistributForm>},
    {"TPortTrunkForm", &MakeWindow<TPortTrunkForm>},
    {"TPortMirrorForm", &MakeWindow<TPortMirrorForm>},
    {"TTrafficSegmentationForm", &MakeWindow<TTrafficSegmentationForm>},
    {"TPBridgeConfigForm", &MakeWindow<TPBridgeConfigForm>},
    {"TGARPForm", &MakeWindow<TGARPForm>},
    {"TPortCapabilities8021dForm", &MakeWindow<TPortCapabilities8021dForm>},
    {"TVLanGeneralInfoForm", &MakeWindow<TVLanGeneralInfoForm>},
    {"TVLanPortInfomationForm", &MakeWindow<TVLanPortInfomationForm>},
    {"TTpGroupDestinationForwardedForm", &MakeWindow<TTpGroupDestinationForwardedForm>},
    {"TMulticastForwardingInformationForm", &MakeWindow<TMulticastForwardingInformationForm>},
    {"TForwardUnregisteredInformationForm", &MakeWindow<TForwardUnregisteredInformationForm>},
    {"TMulticastFilterInformationForm", &MakeWindow<TMulticastFilterInformationForm>},
    {"TUnicastFilterInformationForm", &MakeWindow<TUnicastFilterInformationForm>},
    // The authentication windows belong to the application, not to the main window.
    {"TLoginMethodListForm", &MakeApplicationWindow<TLoginMethodListForm>},
    {"TEnableMethodForm", &MakeApplicationWindow<TEnableMethodForm>},
    {"TServerGroupForm", &MakeApplicationWindow<TServerGroupForm>},
    {"TServerInformationForm", &MakeApplicationWindow<TServerInformationForm>},
    {"TEthernetMaskInformationForm", &MakeWindow<TEthernetMaskInformationForm>},
    {"TIPMaskInformationForm", &MakeWindow<TIPMaskInformationForm>},
    {"TUserMaskInfoForm", &MakeWindow<TUserMaskInfoForm>},
    {"TEthernetInformationRuleForm", &MakeWindow<TEthernetInformationRuleForm>},
    {"TIPRuleForm", &MakeWindow<TIPRuleForm>},
    {"TUserDefinedInformationRuleForm", &MakeWindow<TUserDefinedInformationRuleForm>},
    {nullptr, nullptr},
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
