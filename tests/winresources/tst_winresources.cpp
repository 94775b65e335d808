// The resources of the built Freefall.exe and freefall.com, as Windows reads them from the
// executables: the icon group with the .ico file's bytes, the version record field by field,
// and the manifest.
#include "tests/support/winfile.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using freefall::testing::readFile;

namespace {

std::wstring widen(const char *text)
{
    return std::wstring(text, text + std::strlen(text));
}

std::wstring besideThisProgram(const char *name)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + widen(name);
}

unsigned le16(const std::uint8_t *p)
{
    return unsigned(p[0]) | unsigned(p[1]) << 8;
}

unsigned le32(const std::uint8_t *p)
{
    return le16(p) | le16(p + 2) << 16;
}

const char *const kPrograms[] = {FREEFALL_EXE, FREEFALL_COM};

struct Module
{
    explicit Module(const char *name)
        : handle(LoadLibraryExW(besideThisProgram(name).c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {
    }
    Module(const Module &) = delete;
    Module &operator=(const Module &) = delete;
    ~Module()
    {
        if (handle)
            FreeLibrary(handle);
    }

    HMODULE handle;

    std::vector<std::uint8_t> resource(const wchar_t *type, const wchar_t *name) const
    {
        HRSRC found = FindResourceW(handle, name, type);
        if (!found)
            return {};
        const auto *data =
            static_cast<const std::uint8_t *>(LockResource(LoadResource(handle, found)));
        return std::vector<std::uint8_t>(data, data + SizeofResource(handle, found));
    }
};

BOOL CALLBACK collectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names)
{
    reinterpret_cast<std::vector<std::wstring> *>(names)->push_back(
        IS_INTRESOURCE(name) ? L"#" + std::to_wstring(ULONG_PTR(name)) : std::wstring(name));
    return TRUE;
}

// The one icon group, whose images are those of the .ico file, byte for byte and in its order:
// the designed 32 and 16 pixels as 4-bit bitmaps, then the sizes beyond 100 percent.
void checkIcon(const Module &module)
{
    REQUIRE(module.handle);
    std::vector<std::wstring> groups;
    EnumResourceNamesW(module.handle, RT_GROUP_ICON, collectName, LONG_PTR(&groups));
    // The shell shows the first group; there is only this one.
    REQUIRE(groups == std::vector<std::wstring>{L"IDI_ICON1"});

    const std::vector<std::uint8_t> group = module.resource(RT_GROUP_ICON, L"IDI_ICON1");
    const std::vector<std::uint8_t> ico = readFile(widen(FREEFALL_ICO));
    const unsigned sides[] = {32, 16, 256, 64, 48, 40, 24, 20};
    const unsigned count = unsigned(std::size(sides));
    REQUIRE(group.size() == 6 + count * 14);
    REQUIRE(ico.size() > 6 + count * 16);
    CHECK(le16(&group[2]) == 1); // icons
    CHECK(le16(&group[4]) == count);
    for (unsigned i = 0; i < count; ++i) {
        CAPTURE(sides[i]);
        const std::uint8_t *entry = &group[6 + 14 * i];
        const bool png = sides[i] == 256;
        CHECK(entry[0] == sides[i] % 256); // 256 is written as 0
        CHECK(entry[1] == sides[i] % 256);
        CHECK(entry[2] == (png ? 0 : 16)); // colours
        CHECK(le16(entry + 4) == 1);
        CHECK(le16(entry + 6) == (png ? 32 : 4)); // bits per pixel
        const std::vector<std::uint8_t> image =
            module.resource(RT_ICON, MAKEINTRESOURCEW(le16(entry + 12)));
        CHECK(image.size() == le32(entry + 8));
        const std::uint8_t *icoEntry = &ico[6 + 16 * i];
        REQUIRE(le32(icoEntry + 12) + le32(icoEntry + 8) <= ico.size());
        const std::vector<std::uint8_t> fromIco(ico.begin() + le32(icoEntry + 12),
                                                ico.begin() + le32(icoEntry + 12) +
                                                    le32(icoEntry + 8));
        CHECK(image == fromIco);
        REQUIRE(image.size() > 40);
        if (png) {
            CHECK(std::memcmp(image.data(), "\x89PNG", 4) == 0);
            continue;
        }
        // A 4-bit bitmap with its mask: the header says so too.
        CHECK(le32(&image[0]) == 40);
        CHECK(le32(&image[4]) == sides[i]);
        CHECK(le32(&image[8]) == 2 * sides[i]);
        CHECK(le16(&image[14]) == 4);
    }
}

} // namespace

TEST_CASE("each executable's icon: one group of the .ico's images, from 16 to 256 pixels")
{
    for (const char *program : kPrograms) {
        CAPTURE(program);
        checkIcon(Module(program));
    }
}

TEST_CASE("each executable's version record, as the file's properties show it")
{
    struct Program
    {
        const char *name;
        const wchar_t *originalFilename;
    };
    for (const Program &program :
         {Program{FREEFALL_EXE, L"Freefall.exe"}, Program{FREEFALL_COM, L"freefall.com"}}) {
        CAPTURE(program.name);
        const std::wstring file = besideThisProgram(program.name);
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
        REQUIRE(size > 0);
        std::vector<std::uint8_t> record(size);
        REQUIRE(GetFileVersionInfoW(file.c_str(), 0, size, record.data()));

        VS_FIXEDFILEINFO *fixed = nullptr;
        UINT length = 0;
        REQUIRE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
        REQUIRE(length == sizeof(VS_FIXEDFILEINFO));
        CHECK(fixed->dwSignature == 0xFEEF04BDu);
        CHECK(fixed->dwStrucVersion == 0x00010000u);
        CHECK(fixed->dwFileVersionMS == FREEFALL_TEST_VERSION_MS); // major.minor
        CHECK(fixed->dwFileVersionLS == 0u);                       // .0.0
        CHECK(fixed->dwProductVersionMS == FREEFALL_TEST_VERSION_MS);
        CHECK(fixed->dwProductVersionLS == 0u);
        CHECK(fixed->dwFileFlagsMask == 0x3Fu);
        CHECK(fixed->dwFileFlags == 0u);
        CHECK(fixed->dwFileOS == VOS__WINDOWS32);
        CHECK(fixed->dwFileType == VFT_APP);
        CHECK(fixed->dwFileSubtype == VFT2_UNKNOWN);
        CHECK(fixed->dwFileDateMS == 0u);
        CHECK(fixed->dwFileDateLS == 0u);

        WORD *translation = nullptr;
        REQUIRE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void **>(&translation), &length));
        REQUIRE(length == 4);
        CHECK(translation[0] == 0x0409); // US English
        CHECK(translation[1] == 1200);   // UTF-16

        struct Row
        {
            const wchar_t *key;
            const wchar_t *value; // nullptr: any text that is not empty
        };
        const Row rows[] = {
            {L"FileVersion", L"" FREEFALL_TEST_VERSION},
            {L"ProductVersion", L"" FREEFALL_TEST_VERSION},
            {L"FileDescription", L"Calculate gravity stopping distances"},
            {L"InternalName", L"Freefall"},
            {L"OriginalFilename", program.originalFilename},
            {L"Comments", L"Be my guest!"},
            {L"ProductName", nullptr},
            {L"CompanyName", nullptr},
        };
        for (const Row &row : rows) {
            CAPTURE(std::string(row.key, row.key + wcslen(row.key)));
            const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + row.key;
            wchar_t *value = nullptr;
            REQUIRE(VerQueryValueW(record.data(), path.c_str(), reinterpret_cast<void **>(&value),
                                   &length));
            const std::wstring text(value, wcsnlen(value, length));
            if (row.value)
                CHECK(text == row.value);
            else
                CHECK(!text.empty());
        }
    }
}

TEST_CASE("the manifests: the window's asks for common controls 6 and per-monitor DPI awareness")
{
    struct Row
    {
        const char *program;
        const char *part;
        bool present;
    };
    const Row rows[] = {
        {FREEFALL_EXE, "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", true},
        {FREEFALL_EXE,
         "<dpiAwareness "
         "xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2",
         true},
        {FREEFALL_EXE,
         "<dpiAware "
         "xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
         true},
        {FREEFALL_EXE, "level=\"asInvoker\"", true},
        {FREEFALL_COM, "level=\"asInvoker\"", true},
        {FREEFALL_COM, "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>", true},
        // A console program draws nothing of its own.
        {FREEFALL_COM, "Common-Controls", false},
        {FREEFALL_COM, "dpiAware", false},
    };
    for (const Row &row : rows) {
        CAPTURE(row.program);
        CAPTURE(row.part);
        const Module module(row.program);
        REQUIRE(module.handle);
        const std::vector<std::uint8_t> manifest =
            module.resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
        REQUIRE(!manifest.empty());
        const std::string text(manifest.begin(), manifest.end());
        CHECK((text.find(row.part) != std::string::npos) == row.present);
    }
}
