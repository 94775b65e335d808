// LoadPicture on Windows: the one chosen image decoded by the platform at most pointer-sized,
// PNG images included, and a path that is no disk file refused without waiting on it.
#include "runtime/runtimeerror.h"
#include "runtime/win32/win32picture.h"
#include "tests/support/winfile.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace freefall;

using freefall::testing::readFile;

namespace {

std::wstring temporaryFile(const wchar_t *name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

std::u16string toU16(const std::wstring &text)
{
    return std::u16string(text.begin(), text.end());
}

void writeFile(const std::wstring &path, const std::vector<std::uint8_t> &bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void put(std::vector<std::uint8_t> &bytes, std::size_t at, unsigned value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

// An icon file of one entry holding the image.
std::vector<std::uint8_t> iconOf(const std::vector<std::uint8_t> &image, int width, int height)
{
    std::vector<std::uint8_t> file(22);
    put(file, 2, 1, 2);
    put(file, 4, 1, 2);
    file[6] = std::uint8_t(width);
    file[7] = std::uint8_t(height);
    put(file, 10, 1, 2);
    put(file, 12, 32, 2);
    put(file, 14, unsigned(image.size()), 4);
    put(file, 18, 22, 4);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

// A 32-bit bitmap image, opaque grey, with its 1-bit mask.
std::vector<std::uint8_t> bitmap(int width, int height)
{
    const std::size_t maskRow = std::size_t((width + 31) / 32 * 4);
    std::vector<std::uint8_t> image(40 + std::size_t(width * height * 4) +
                                    maskRow * std::size_t(height));
    put(image, 0, 40, 4);
    put(image, 4, unsigned(width), 4);
    put(image, 8, unsigned(height * 2), 4);
    put(image, 12, 1, 2);
    put(image, 14, 32, 2);
    for (std::size_t i = 40; i < 40 + std::size_t(width * height * 4); i += 4) {
        image[i] = image[i + 1] = image[i + 2] = 0x80;
        image[i + 3] = 0xFF;
    }
    return image;
}

SIZE iconSize(HICON icon)
{
    ICONINFO info{};
    REQUIRE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof colour, &colour);
    const SIZE size{colour.bmWidth, info.hbmColor ? colour.bmHeight : colour.bmHeight / 2};
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

} // namespace

TEST_CASE("an image larger than a pointer is drawn at most 32 pixels each way")
{
    struct Row
    {
        int width, height;
        LONG pointerWidth, pointerHeight;
    };
    for (const Row &row : {Row{16, 16, 16, 16}, Row{32, 32, 32, 32}, Row{64, 64, 32, 32},
                           Row{64, 32, 32, 16}, Row{256, 256, 32, 32}}) {
        CAPTURE(row.width);
        CAPTURE(row.height);
        const std::wstring path = temporaryFile(L"freefall-bitmap.ico");
        writeFile(path, iconOf(bitmap(row.width, row.height), row.width % 256, row.height % 256));
        const auto picture = Win32Picture::load(toU16(path));
        REQUIRE(picture->icon());
        const SIZE size = iconSize(picture->icon());
        CHECK(size.cx == row.pointerWidth);
        CHECK(size.cy == row.pointerHeight);
        DeleteFileW(path.c_str());
    }
}

TEST_CASE("a PNG image loads, its text chunks left out")
{
    std::vector<std::uint8_t> png = readFile(L"" FREEFALL_TEST_PNG);
    REQUIRE(png.size() > 33);
    // A compressed text chunk after IHDR, as a decoder would inflate it: left out, it changes
    // nothing.
    const std::vector<std::uint8_t> text = {0,   0, 0,   4,   't',  'E',  'X',  't',
                                            'a', 0, 'b', 'c', 0x1E, 0x3C, 0x5D, 0x02};
    png.insert(png.begin() + 33, text.begin(), text.end());
    const std::wstring path = temporaryFile(L"freefall-png.ico");
    writeFile(path, iconOf(png, 32, 32));
    const auto picture = Win32Picture::load(toU16(path));
    REQUIRE(picture->icon());
    const SIZE size = iconSize(picture->icon());
    CHECK(size.cx == 32);
    CHECK(size.cy == 32);
    DeleteFileW(path.c_str());
}

TEST_CASE("a path that is no disk file is refused without waiting")
{
    wchar_t fifo[MAX_PATH];
    if (!GetEnvironmentVariableW(L"FREEFALL_TEST_FIFO", fifo, MAX_PATH)) {
        MESSAGE("FREEFALL_TEST_FIFO is not set: no FIFO to try");
        return;
    }
    const ULONGLONG start = GetTickCount64();
    CHECK_THROWS_AS(Win32Picture::load(toU16(fifo)), RuntimeError);
    CHECK(GetTickCount64() - start < 2000);

    const std::wstring folder = temporaryFile(L"freefall-folder.ico");
    CreateDirectoryW(folder.c_str(), nullptr);
    CHECK_THROWS_AS(Win32Picture::load(toU16(folder)), RuntimeError);
    RemoveDirectoryW(folder.c_str());
    CHECK_THROWS_AS(Win32Picture::load(u"C:\\no such folder\\no such file.ico"), RuntimeError);
}

// Opening a name acts on what it names: a named pipe's server sees a client come and go. Such a
// name is refused as it is written, and the server sees nobody; a drive's path written in the
// same long form still names a file.
TEST_CASE("a named pipe is refused without being opened")
{
    HANDLE server = CreateNamedPipeW(L"\\\\.\\pipe\\freefall-picture",
                                     PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED, PIPE_TYPE_BYTE, 1,
                                     4096, 4096, 0, nullptr);
    REQUIRE(server != INVALID_HANDLE_VALUE);
    for (const char16_t *name : {u"\\\\.\\pipe\\freefall-picture", u"//./pipe/freefall-picture",
                                 u"\\\\?\\pipe\\freefall-picture"}) {
        CAPTURE(std::string(name, name + std::char_traits<char16_t>::length(name)));
        CHECK_THROWS_AS(Win32Picture::load(name), RuntimeError);
    }
    OVERLAPPED overlapped{};
    overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const BOOL connected = ConnectNamedPipe(server, &overlapped);
    const DWORD error = GetLastError();
    // A client that had come and gone would leave ERROR_NO_DATA, one still there
    // ERROR_PIPE_CONNECTED.
    CHECK(!connected);
    CHECK(error == ERROR_IO_PENDING);
    CancelIo(server);
    CloseHandle(overlapped.hEvent);
    CloseHandle(server);

    const std::wstring path = temporaryFile(L"freefall-long.ico");
    writeFile(path, iconOf(bitmap(32, 32), 32, 32));
    CHECK(Win32Picture::load(toU16(L"\\\\?\\" + path))->icon());
    DeleteFileW(path.c_str());
}
