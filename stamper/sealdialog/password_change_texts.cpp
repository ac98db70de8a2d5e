#include "stamper/sealdialog/password_change_texts.h"

namespace vermil {
namespace {

PasswordChangeTexts english() {
    PasswordChangeTexts t;
    t.windowTitle = QStringLiteral("Change Password");
    t.vermilName = QStringLiteral("&Vermil Name");
    t.oldPassword = QStringLiteral("&Old Password");
    t.newPassword = QStringLiteral("&New Password");
    t.samePasswordAgain = QStringLiteral("&Input same password");
    t.indexPath = QStringLiteral("Index Path ：");
    t.ok = QStringLiteral("OK");
    t.cancel = QStringLiteral("Cancel");
    return t;
}

PasswordChangeTexts japanese() {
    PasswordChangeTexts t = english();
    t.vermilName = QStringLiteral("日付印名");
    t.oldPassword = QStringLiteral("古い押印パスワード");
    t.newPassword = QStringLiteral("新しい押印パスワード");
    t.samePasswordAgain = QStringLiteral("新しい押印パスワード（確認のため）");
    return t;
}

} // namespace

const PasswordChangeTexts& PasswordChangeTexts::of(Language language) {
    static const PasswordChangeTexts ja = japanese();
    static const PasswordChangeTexts en = english();
    return language == Language::Japanese ? ja : en;
}

} // namespace vermil
