#pragma once
// The buffered text channel of the map files: bound to a name, opened for
// reading or for writing, closed. An operation that fails leaves its code
// pending (map/in_out_error.h) and returns normally; the caller runs the error
// check after each one.
//
// Writing never touches the named file before Close: the bytes go into a
// temporary file beside it, which takes its place at Close (see
// map/file_replacement.h). So a save that fails half-way leaves the old file.
#include <array>
#include <cstdint>
#include <string>

#include "map/file_replacement.h"
#include "platform/files.h"

class TTextChannel {
 public:
  // Bytes handed to the platform in one call: every full buffer, and the rest
  // at Close.
  static constexpr int BufferSize = 128;
  // A longer run of non-blank characters is split into numbers of this length.
  static constexpr int MaxTokenLength = 32;

  // Binds the channel to a name: closed, nothing touched yet.
  explicit TTextChannel(std::string fileName);
  TTextChannel(const TTextChannel&) = delete;
  TTextChannel& operator=(const TTextChannel&) = delete;
  // A channel still open is abandoned: a save in progress leaves no trace.
  ~TTextChannel() { Abandon(); }

  // An existing file, read access; others may read it meanwhile, not write.
  void OpenForReading();
  // Checks the named file may be written and starts the temporary file;
  // others may neither read nor write the named file until Close.
  void OpenForWriting();

  // `value` in decimal, "-" before a negative one, after enough spaces to
  // fill `width`; a wider number is written whole.
  void WriteField(int32_t value, int width);
  // Carriage return and line feed.
  void EndLine();

  // The next number; 0 once the data has ended (end of the file, or a byte
  // 1A, which stays the end for every later read). Blanks are the bytes 0 to
  // 32. A malformed number leaves InvalidNumericInput pending and returns 0;
  // a failed read leaves the platform's number pending and returns 0.
  int32_t ReadNumber();

  // When writing: the buffered rest goes out, and the new file takes the named
  // file's place. Then the channel is closed, also when this fails.
  void Close();
  // Closes without finishing: a save in progress is thrown away, the named
  // file stays as it was. For the ending steps after a failure, when closing
  // could only fail again.
  void Abandon();
  bool IsOpen() const { return Mode != TMode::Closed; }

  // Whether Close waits for the disk; only the benchmark turns it off.
  bool SyncOnClose = true;

 private:
  enum class TMode { Closed, Reading, Writing };

  bool WriteBytes(const char* bytes, int count);
  bool WriteSpaces(int count);
  bool FlushBuffer();
  int PeekByte();
  void Refill();

  std::string FileName;
  TMode Mode = TMode::Closed;
  TFileHandle Handle = NoFileHandle;  // the file while reading
  TFileReplacement Replacement;      // the files while writing
  std::array<char, BufferSize> Buffer;
  int Position = 0;  // next byte to take or to fill
  int Filled = 0;    // bytes in the buffer, when reading
  bool ReadFailed = false;
};
