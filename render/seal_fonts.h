#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <string_view>

namespace vermil {

// The face a seal line uses when its font name is empty.
inline constexpr std::string_view defaultSealFaceUtf8 = "ＭＳ Ｐゴシック";

// Maps the Windows Japanese faces that seals and layout profiles name (ＭＳ Ｐゴシック,
// ＭＳ 明朝, Meiryo, ...) to the metric-compatible IPA fonts, so that a seal keeps
// its size and look on Linux. Call once at start-up after the application object
// exists; calling it again does nothing. The seal painter also makes sure of it.
void installSealFontSubstitutions();

// The Linux families that installSealFontSubstitutions maps the Windows faces to, each
// once, in the order of the face table: IPAPGothic, IPAGothic, IPAMincho, IPAPMincho.
QStringList mappedSealFamilies();

// The Linux face a seal line of this CP932 face name is drawn with, as a font chooser
// can offer it: the first IPA face of a mapped Windows face (the empty name maps like
// the default face), by the name the font database lists it when a GUI application
// runs (in a Japanese session "IPA Pゴシック" for IPAPGothic); any other name as it stands.
QString mappedSealFace(std::string_view cp932FaceName);

// The face name to ask for: the CP932 font name of a seal line, or the default face
// when it is empty.
QString sealFaceName(std::string_view cp932FaceName);

// A font of the named face at the given pixel size, bold or normal, falling back to
// a sans-serif face like the Windows drawing does.
QFont sealFont(std::string_view cp932FaceName, int pixelSize, bool bold);

// True when the font resolves to a face without a bold style, so that bold has to be
// drawn by widening the glyphs (as Windows does for such faces).
bool needsSyntheticBold(const QFont& font);

} // namespace vermil
