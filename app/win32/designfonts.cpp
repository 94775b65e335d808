// A bitmap font offers fixed character heights; GDI would otherwise give the nearest one, which
// changes the text's size, so the heights are looked up first.
#include "app/win32/designfonts.h"

#include "app/design/twipsscale.h"
#include "runtime/win32/widetext.h"

namespace freefall {

namespace {

using design::FontKind;

struct HeightQuery
{
    int height;
    bool found;
};

int CALLBACK matchHeight(const LOGFONTW *, const TEXTMETRICW *metric, DWORD type, LPARAM data)
{
    auto *query = reinterpret_cast<HeightQuery *>(data);
    if ((type & RASTER_FONTTYPE) && metric->tmHeight - metric->tmInternalLeading == query->height) {
        query->found = true;
        return 0;
    }
    return 1;
}

// Whether the family is a bitmap font with this character height.
bool hasBitmapHeight(const std::wstring &family, int height)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = ANSI_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    HeightQuery query{height, false};
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, matchHeight, LPARAM(&query), 0);
    ReleaseDC(nullptr, screen);
    return query.found;
}

} // namespace

DesignFonts::DesignFonts(int dpi)
{
    const design::TwipsScale scale(dpi);
    const std::wstring designFamily = toWide(design::kFontFamily);
    for (FontKind kind : {FontKind::TextBox, FontKind::Caption, FontKind::Title}) {
        const design::FontDesign font = design::fontDesign(kind);
        const std::size_t i = index(kind);
        heights_[i] = scale.fontPixels(font.pointSize);
        families_[i] = hasBitmapHeight(designFamily, heights_[i]) ? designFamily : kStandInFamily;
        fonts_[i].reset(CreateFontW(-heights_[i], 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                    FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                    families_[i].c_str()));
    }
}

} // namespace freefall
