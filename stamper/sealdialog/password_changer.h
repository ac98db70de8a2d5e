#pragma once

namespace vermil {

class CVermilinDoc;

// The password change command: runs the password change dialog for the document's
// seal index. The program binds the real dialog; without one the command is not
// offered.
class PasswordChanger {
public:
    virtual ~PasswordChanger() = default;
    virtual void changePassword(const CVermilinDoc& document) = 0;
};

} // namespace vermil
