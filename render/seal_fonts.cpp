#include "render/seal_fonts.h"

#include "common/cp932.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

#include <mutex>
#include <utility>

namespace vermil {

namespace {

struct FaceSubstitution {
    const char* windowsFace;
    const char* linuxFaces; // preferred first, comma separated
};

// The one table of face replacements. Proportional Windows faces go to the
// proportional IPA faces, fixed-pitch ones to the fixed-pitch faces.
constexpr FaceSubstitution faceSubstitutions[] = {
    {"ＭＳ Ｐゴシック", "IPAPGothic,IPAGothic"}, {"MS PGothic", "IPAPGothic,IPAGothic"},
    {"ＭＳ ゴシック", "IPAGothic,IPAPGothic"},   {"MS Gothic", "IPAGothic,IPAPGothic"},
    {"ＭＳ UI Gothic", "IPAPGothic,IPAGothic"},  {"MS UI Gothic", "IPAPGothic,IPAGothic"},
    {"ＭＳ 明朝", "IPAMincho,IPAPMincho"},       {"MS Mincho", "IPAMincho,IPAPMincho"},
    {"ＭＳ Ｐ明朝", "IPAPMincho,IPAMincho"},     {"MS PMincho", "IPAPMincho,IPAMincho"},
    {"メイリオ", "IPAPGothic,IPAGothic"},        {"Meiryo", "IPAPGothic,IPAGothic"},
    {"Meiryo UI", "IPAPGothic,IPAGothic"},       {"游ゴシック", "IPAPGothic,IPAGothic"},
    {"Yu Gothic", "IPAPGothic,IPAGothic"},       {"游明朝", "IPAPMincho,IPAMincho"},
    {"Yu Mincho", "IPAPMincho,IPAMincho"},
};

// The IPA faces by their other names: a Japanese session's font database lists them
// by these.
constexpr std::pair<const char*, const char*> ipaFaceNames[] = {
    {"IPAPGothic", "IPA Pゴシック"},
    {"IPAGothic", "IPAゴシック"},
    {"IPAMincho", "IPA明朝"},
    {"IPAPMincho", "IPA P明朝"},
};

// The name the font database lists the face by, when there is a database to ask.
QString listedName(const QString& face) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return face;
    }
    // hasFamily() knows either name; a chooser shows only the listed one.
    const QStringList families = QFontDatabase::families();
    if (families.contains(face)) {
        return face;
    }
    for (const auto& [latin, japanese] : ipaFaceNames) {
        const QString other = QString::fromUtf8(japanese);
        if (face == QLatin1String(latin) && families.contains(other)) {
            return other;
        }
    }
    return face;
}

QStringList linuxFacesOf(const FaceSubstitution& substitution) {
    return QString::fromLatin1(substitution.linuxFaces).split(QLatin1Char(','));
}

} // namespace

void installSealFontSubstitutions() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        for (const FaceSubstitution& substitution : faceSubstitutions) {
            QFont::insertSubstitutions(QString::fromUtf8(substitution.windowsFace),
                                       linuxFacesOf(substitution));
        }
    });
}

QStringList mappedSealFamilies() {
    QStringList families;
    for (const FaceSubstitution& substitution : faceSubstitutions) {
        for (const QString& family : linuxFacesOf(substitution)) {
            if (!families.contains(family)) {
                families.append(family);
            }
        }
    }
    return families;
}

QString mappedSealFace(std::string_view cp932FaceName) {
    const QString face = sealFaceName(cp932FaceName);
    for (const FaceSubstitution& substitution : faceSubstitutions) {
        if (face == QString::fromUtf8(substitution.windowsFace)) {
            return listedName(linuxFacesOf(substitution).constFirst());
        }
    }
    return face;
}

QString sealFaceName(std::string_view cp932FaceName) {
    if (cp932FaceName.empty()) {
        return QString::fromUtf8(defaultSealFaceUtf8.data(),
                                 static_cast<qsizetype>(defaultSealFaceUtf8.size()));
    }
    return fromCp932(cp932FaceName);
}

QFont sealFont(std::string_view cp932FaceName, int pixelSize, bool bold) {
    installSealFontSubstitutions();
    QFont font(sealFaceName(cp932FaceName));
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

bool needsSyntheticBold(const QFont& font) {
    if (font.weight() < QFont::DemiBold) {
        return false;
    }
    const QString family = QFontInfo(font).family();
    const QStringList styles = QFontDatabase::styles(family);
    for (const QString& style : styles) {
        if (QFontDatabase::weight(family, style) >= QFont::DemiBold) {
            return false;
        }
    }
    return true;
}

} // namespace vermil
