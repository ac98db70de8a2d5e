#include "manager/manager_setting_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(ManagerSettingTexts, VERMIL_MANAGER_SETTING_TEXTS)

} // namespace vermil
