#include "serial/SerialLink.h"
#include "serial/settings/PortSettings.h"

namespace zeft {

void TSerialLink::StoreSettingsDirectly(const PortSettings& values) {
    // In the stored order: ParityErrorChar's setter sees the values taken before it. The
    // lines are not driven: the stored states apply at the next open.
    ForEachPortSetting([&](const char*, auto member) {
        if (IsSetting(member, &PortSettings::ParityErrorChar)) {
            SetParityErrorChar(values.ParityErrorChar);
        } else {
            settings_.*member = values.*member;
        }
        return true;
    });
    shared_.PublishSettings(settings_);
}

} // namespace zeft
