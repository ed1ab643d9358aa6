#include "map/text_channel.h"

#include <algorithm>
#include <cstring>

#include "map/in_out_error.h"
#include "map/number_token.h"
#include "platform/file_errors.h"

namespace {

// Ctrl+Z ends the data of a text file, wherever it stands.
constexpr unsigned char EndOfDataMark = 0x1A;
constexpr int EndOfData = -1;
// Bytes up to this code separate numbers: NUL, every control byte, space.
constexpr int Blank = 32;
// Enough for "-2147483648".
constexpr int MaxDecimalLength = 12;

// The decimal form of `value` written backwards from `end`; its length.
int FormatDecimal(int32_t value, char* end) {
  uint32_t magnitude = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
  int length = 0;
  do {
    *--end = char('0' + magnitude % 10);
    magnitude /= 10;
    ++length;
  } while (magnitude != 0);
  if (value < 0) {
    *--end = '-';
    ++length;
  }
  return length;
}

}  // namespace

TTextChannel::TTextChannel(std::string fileName) : FileName(std::move(fileName)) {}

void TTextChannel::OpenForReading() {
  Abandon();
  int result = OpenFileForReading(FileName, Handle);
  if (result != ErrorSuccess) return SetInOutError(result);
  Mode = TMode::Reading;
  Position = Filled = 0;
  ReadFailed = false;
}

void TTextChannel::OpenForWriting() {
  Abandon();
  Replacement.SyncToDisk = SyncOnClose;
  int result = Replacement.Begin(FileName);
  if (result != ErrorSuccess) return SetInOutError(result);
  Mode = TMode::Writing;
  Position = 0;
}

void TTextChannel::WriteField(int32_t value, int width) {
  if (Mode != TMode::Writing) return SetInOutError(FileNotOpen);
  char digits[MaxDecimalLength];
  int length = FormatDecimal(value, digits + MaxDecimalLength);
  if (WriteSpaces(width - length)) WriteBytes(digits + MaxDecimalLength - length, length);
}

void TTextChannel::EndLine() {
  if (Mode != TMode::Writing) return SetInOutError(FileNotOpen);
  WriteBytes("\r\n", 2);
}

bool TTextChannel::WriteSpaces(int count) {
  static const char spaces[] = "                ";
  constexpr int chunk = sizeof spaces - 1;
  for (; count > 0; count -= chunk)
    if (!WriteBytes(spaces, std::min(count, chunk))) return false;
  return true;
}

// False when a full buffer could not be handed over: the rest of this write
// is dropped, as the error check that follows will raise.
bool TTextChannel::WriteBytes(const char* bytes, int count) {
  while (count > 0) {
    int n = std::min(count, BufferSize - Position);
    std::memcpy(Buffer.data() + Position, bytes, size_t(n));
    Position += n;
    bytes += n;
    count -= n;
    if (Position == BufferSize && !FlushBuffer()) return false;
  }
  return true;
}

// The buffer is emptied even when the platform refuses it: those bytes are lost.
bool TTextChannel::FlushBuffer() {
  int result = WriteToFile(Replacement.Handle(), Buffer.data(), Position);
  Position = 0;
  if (result == ErrorSuccess) return true;
  SetInOutError(result);
  return false;
}

int32_t TTextChannel::ReadNumber() {
  if (Mode != TMode::Reading) {
    SetInOutError(FileNotOpen);
    return 0;
  }
  ReadFailed = false;
  int c;
  while ((c = PeekByte()) != EndOfData && c <= Blank) ++Position;
  if (c == EndOfData) return 0;
  char token[MaxTokenLength];
  int length = 0;
  // At the limit the token ends without a look at the next byte.
  while (length < MaxTokenLength && (c = PeekByte()) != EndOfData && c > Blank) {
    token[length++] = char(c);
    ++Position;
  }
  if (ReadFailed) return 0;
  int32_t value;
  if (ParseNumberToken(token, length, value)) return value;
  SetInOutError(InvalidNumericInput);
  return 0;
}

int TTextChannel::PeekByte() {
  if (Position == Filled) Refill();
  if (Position == Filled) return EndOfData;
  unsigned char c = (unsigned char)Buffer[Position];
  return c == EndOfDataMark ? EndOfData : c;
}

void TTextChannel::Refill() {
  int count = 0;
  int result = ReadFromFile(Handle, Buffer.data(), BufferSize, count);
  Position = 0;
  Filled = count;
  if (result != ErrorSuccess) {
    SetInOutError(result);
    ReadFailed = true;
    Filled = 0;
  } else if (count == 0) {
    // The end of the file becomes a mark in the buffer, so that every later
    // read meets it without asking the platform again.
    Buffer[0] = char(EndOfDataMark);
    Filled = 1;
  }
}

void TTextChannel::Close() {
  TMode mode = Mode;
  Mode = TMode::Closed;
  if (mode == TMode::Closed) return SetInOutError(FileNotOpen);
  if (mode == TMode::Reading) {
    int result = CloseFile(Handle);
    Handle = NoFileHandle;
    if (result != ErrorSuccess) SetInOutError(result);
    return;
  }
  if (Position > 0 && !FlushBuffer()) return Replacement.Discard();
  int result = Replacement.Commit();
  if (result != ErrorSuccess) SetInOutError(result);
}

void TTextChannel::Abandon() {
  if (Mode == TMode::Reading) CloseFile(Handle);
  if (Mode == TMode::Writing) Replacement.Discard();
  Handle = NoFileHandle;
  Mode = TMode::Closed;
}
