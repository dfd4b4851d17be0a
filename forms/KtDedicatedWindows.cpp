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

namespace {

// One line per dedicated window:
//   {"TVlanStaticForm", [](QWidget *owner) -> QDialog * { return new TVlanStaticForm(owner); }},
const KtDedicatedWindowDef kDedicatedWindows[] = {
    {"TVlanStaticForm", [](QWidget *owner) -> QDialog * { return new TVlanStaticForm(owner); }},
    {"TVLanCurrentTableForm", [](QWidget *owner) -> QDialog * { return new TVLanCurrentTableForm(owner); }},
    {"TSTP_Info", [](QWidget *owner) -> QDialog * { return new TSTP_Info(owner); }},
    {"TSpanningTreeAlgorithmForm",
     [](QWidget *owner) -> QDialog * { return new TSpanningTreeAlgorithmForm(owner); }},
    {"TEquipmentBasicInfoForm",
     [](QWidget *owner) -> QDialog * { return new TEquipmentBasicInfoForm(owner); }},
    // The SSL window belongs to the application, not to the main window.
    {"TSSLManagementForm", [](QWidget *) -> QDialog * { return new TSSLManagementForm(nullptr); }},
    {"TDiagnosticsInformationForm",
     [](QWidget *owner) -> QDialog * { return new TDiagnosticsInformationForm(owner); }},
    {"TMacStatisticTableForm", [](QWidget *owner) -> QDialog * { return new TMacStatisticTableForm(owner); }},
    {"TAggregatorPortTableForm",
     [](QWidget *owner) -> QDialog * { return new TAggregatorPortTableForm(owner); }},
    {"TBOOTCtrlTableForm", [](QWidget *owner) -> QDialog * { return new TBOOTCtrlTableForm(owner); }},
    {"TRouteRedistributForm", [](QWidget *owner) -> QDialog * { return new TRouteRedistributForm(owner); }},
    {"TPortTrunkForm", [](QWidget *owner) -> QDialog * { return new TPortTrunkForm(owner); }},
    {"TPortMirrorForm", [](QWidget *owner) -> QDialog * { return new TPortMirrorForm(owner); }},
    {"TTrafficSegmentationForm",
     [](QWidget *owner) -> QDialog * { return new TTrafficSegmentationForm(owner); }},
    {"TPBridgeConfigForm", [](QWidget *owner) -> QDialog * { return new TPBridgeConfigForm(owner); }},
    {"TGARPForm", [](QWidget *owner) -> QDialog * { return new TGARPForm(owner); }},
    {"TPortCapabilities8021dForm",
     [](QWidget *owner) -> QDialog * { return new TPortCapabilities8021dForm(owner); }},
    {"TVLanGeneralInfoForm", [](QWidget *owner) -> QDialog * { return new TVLanGeneralInfoForm(owner); }},
    {"TVLanPortInfomationForm",
     [](QWidget *owner) -> QDialog * { return new TVLanPortInfomationForm(owner); }},
    {"TTpGroupDestinationForwardedForm",
     [](QWidget *owner) -> QDialog * { return new TTpGroupDestinationForwardedForm(owner); }},
    {"TMulticastForwardingInformationForm",
     [](QWidget *owner) -> QDialog * { return new TMulticastForwardingInformationForm(owner); }},
    {"TForwardUnregisteredInformationForm",
     [](QWidget *owner) -> QDialog * { return new TForwardUnregisteredInformationForm(owner); }},
    {"TMulticastFilterInformationForm",
     [](QWidget *owner) -> QDialog * { return new TMulticastFilterInformationForm(owner); }},
    {"TUnicastFilterInformationForm",
     [](QWidget *owner) -> QDialog * { return new TUnicastFilterInformationForm(owner); }},
    // The authentication windows belong to the application, not to the main window.
    {"TLoginMethodListForm", [](QWidget *) -> QDialog * { return new TLoginMethodListForm(nullptr); }},
    {"TEnableMethodForm", [](QWidget *) -> QDialog * { return new TEnableMethodForm(nullptr); }},
    {"TServerGroupForm", [](QWidget *) -> QDialog * { return new TServerGroupForm(nullptr); }},
    {"TServerInformationForm", [](QWidget *) -> QDialog * { return new TServerInformationForm(nullptr); }},
    {"TEthernetMaskInformationForm",
     [](QWidget *owner) -> QDialog * { return new TEthernetMaskInformationForm(owner); }},
    {"TIPMaskInformationForm", [](QWidget *owner) -> QDialog * { return new TIPMaskInformationForm(owner); }},
    {"TUserMaskInfoForm", [](QWidget *owner) -> QDialog * { return new TUserMaskInfoForm(owner); }},
    {"TEthernetInformationRuleForm",
     [](QWidget *owner) -> QDialog * { return new TEthernetInformationRuleForm(owner); }},
    {"TIPRuleForm", [](QWidget *owner) -> QDialog * { return new TIPRuleForm(owner); }},
    {"TUserDefinedInformationRuleForm",
     [](QWidget *owner) -> QDialog * { return new TUserDefinedInformationRuleForm(owner); }},
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
