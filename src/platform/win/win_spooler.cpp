#include "platform/win/win_spooler.h"

#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <new>

#include "platform/win/wide.h"

namespace dovevar::win {
namespace {

constexpr DWORD kEnumFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
// A printer added between the size query and the listing makes the buffer short; the
// listing is tried again with the new size this many times before it counts as failed.
constexpr int kListingAttempts = 3;

std::u16string fromOptional(const wchar_t* text) {
  return text == nullptr ? std::u16string() : fromWide(text);
}

}  // namespace

bool WinSpooler::listPrinters(std::vector<SpoolerPrinter>& printers) {
  printers.clear();
  DWORD needed = 0;
  DWORD returned = 0;
  // The size query; success here means there is nothing to list.
  if (EnumPrintersW(kEnumFlags, nullptr, 2, nullptr, 0, &needed, &returned)) return true;
  for (int attempt = 0; attempt < kListingAttempts; ++attempt) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    std::vector<BYTE> buffer;
    try {
      buffer.resize(needed);
    } catch (const std::bad_alloc&) {
      return false;
    }
    if (EnumPrintersW(kEnumFlags, nullptr, 2, buffer.data(), needed, &needed, &returned)) {
      const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
      for (DWORD i = 0; i < returned; ++i) {
        printers.push_back({fromOptional(info[i].pPrinterName), fromOptional(info[i].pPortName)});
      }
      return true;
    }
  }
  return false;
}

int WinSpooler::paperNameCount(const SpoolerPrinter& printer) {
  return DeviceCapabilitiesW(toWide(printer.name).c_str(), toWide(printer.port).c_str(),
                             DC_PAPERNAMES, nullptr, nullptr);
}

bool WinSpooler::readPaperNames(const SpoolerPrinter& printer, int expected,
                                std::vector<std::u16string>& names, int& reported) {
  names.clear();
  const size_t room = static_cast<size_t>(std::max(expected, 0));
  // The driver writes as many names as it has now, with no size given, so the buffer
  // has half as many again, and a little more, in case its list has grown since the
  // count: n × 192 + 196 bytes.
  std::vector<wchar_t> buffer;
  try {
    buffer.resize((room * 192 + 196) / sizeof(wchar_t));
  } catch (const std::bad_alloc&) {
    return false;
  }
  reported = DeviceCapabilitiesW(toWide(printer.name).c_str(), toWide(printer.port).c_str(),
                                 DC_PAPERNAMES, buffer.data(), nullptr);
  const size_t written = std::min(room, static_cast<size_t>(std::max(reported, 0)));
  for (size_t i = 0; i < written; ++i) {
    const wchar_t* field = buffer.data() + i * kPaperNameWidth;
    const size_t length = std::find(field, field + kPaperNameWidth, L'\0') - field;
    names.push_back(fromWide(std::wstring_view(field, length)));
  }
  return true;
}

}  // namespace dovevar::win
