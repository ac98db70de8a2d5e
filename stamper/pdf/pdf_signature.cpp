#include "stamper/pdf/pdf_signature.h"

#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFFormFieldObjectHelper.hh>

namespace vermil::pdf {
namespace {

constexpr long long signaturesExistFlag = 1;

bool formSaysSigned(QPDFObjectHandle root) {
    QPDFObjectHandle form = root.getKey("/AcroForm");
    if (!form.isDictionary())
        return false;
    QPDFObjectHandle flags = form.getKey("/SigFlags");
    return flags.isInteger() && (flags.getIntValue() & signaturesExistFlag) != 0;
}

bool anySignedField(QPDF& document) {
    QPDFAcroFormDocumentHelper form(document);
    for (QPDFFormFieldObjectHelper& field : form.getFormFields())
        if (field.getFieldType() == "/Sig" && !field.getValue().isNull())
            return true;
    return false;
}

} // namespace

bool hasDigitalSignature(QPDF& document) {
    QPDFObjectHandle root = document.getRoot();
    return root.getKey("/Perms").isDictionary() || formSaysSigned(root) || anySignedField(document);
}

} // namespace vermil::pdf
