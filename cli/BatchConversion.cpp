#include "cli/BatchConversion.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "cli/FileIO.h"
#include "cli/RowConverter.h"

namespace gkconv {

namespace {

constexpr size_t kBlockBytes = 256 * 1024;        // one batch of whole lines
constexpr size_t kDetectionBytes = 64 * 1024;     // what encoding and layout are guessed from
constexpr std::uint64_t kParallelFrom = 1 << 20;  // smaller inputs convert on one thread
constexpr std::uint64_t kProgressFrom = 4 << 20;  // a progress line for inputs above 4 MB

// A block of whole input lines and, once converted, its output.
struct TBatch {
  std::string Input;
  std::uint64_t FirstLine = 0;
  std::string Output;
  std::uint64_t Converted = 0, Failed = 0;
  std::string FirstError;
  bool Done = false;
};

// What every worker shares (read-only while converting).
struct TLayout {
  TDelimiter Delimiter = TDelimiter::Comma;
  TEncoding InputEncoding = TEncoding::Utf8;
  TEncoding OutputEncoding = TEncoding::Utf8;
  std::string LineEnd = "\n";
  std::vector<std::string> HeaderNames;  // for error messages; empty without a header
};

// Converts batches, one per call; one per thread.
class TLineWorker {
public:
  TLineWorker(const TConvertSettings& settings, const TLayout& layout)
      : FLayout(layout),
        FConverter(settings),
        FSplitter(layout.Delimiter),
        FDecoder(layout.InputEncoding, TEncoding::Utf8),
        FEncoder(TEncoding::Utf8, layout.OutputEncoding),
        FSeparator(Separator(layout.Delimiter)) {}

  // Three passes over the block: read every row, convert the rows' points
  // (each zone's in one batch of the projection), write every line in order.
  void Process(TBatch& batch) {
    batch.Output.clear();
    batch.Output.reserve(batch.Input.size() * 2);
    FLines.clear();
    FRows.clear();
    std::string_view rest = batch.Input;
    std::uint64_t line = batch.FirstLine;
    while (!rest.empty()) {
      const size_t end = rest.find('\n');
      std::string_view raw = rest.substr(0, end);
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
      if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
      ReadLine(raw, line++);
    }
    FConverter.ConvertRows(FRows);
    for (const TPendingLine& pending : FLines) WriteLine(batch, pending);
  }

private:
  // A line between reading and writing. Blank lines are no rows; they stay
  // as they were.
  struct TPendingLine {
    std::string Text;  // decoded, or raw when decoding failed
    std::uint64_t Number = 0;
    bool Blank = false;
    int Row = -1;  // index into FRows; -1 when reading failed
    TRowError Error;
  };

  void ReadLine(std::string_view raw, std::uint64_t number) {
    TPendingLine& pending = FLines.emplace_back();
    pending.Number = number;
    if (std::all_of(raw.begin(), raw.end(), [](char c) { return c == ' ' || c == '\t'; })) {
      pending.Blank = true;
      pending.Text.assign(raw);
      return;
    }
    if (!FDecoder.Convert(raw, FDecoded)) {
      pending.Text.assign(raw);
      pending.Error.Reason =
          "not valid " + std::string(EncodingName(FLayout.InputEncoding)) + " text (see --encoding)";
      return;
    }
    pending.Text = FDecoded;
    if (!FSplitter.Split(pending.Text, FFields)) {
      pending.Error.Reason = "a quote is not closed";
      return;
    }
    TRowPoint row;
    if (!FConverter.Read(FFields, row, pending.Error)) return;
    pending.Row = static_cast<int>(FRows.size());
    FRows.push_back(std::move(row));
  }

  void WriteLine(TBatch& batch, const TPendingLine& pending) {
    if (pending.Blank) {
      batch.Output += pending.Text;
      batch.Output += FLayout.LineEnd;
      return;
    }
    const TRowPoint* row = pending.Row >= 0 ? &FRows[static_cast<size_t>(pending.Row)] : nullptr;
    if (!row || row->Failed) {
      Fail(batch, pending.Text, pending.Number, row ? row->Error : pending.Error);
    } else {
      FLine.assign(pending.Text);
      FConverter.Write(*row, FSeparator, FLine);
      if (FLayout.Delimiter != TDelimiter::Whitespace) FLine += FSeparator;  // the empty error column
      ++batch.Converted;
    }
    if (FEncoder.Identity() || !FEncoder.Convert(FLine, FEncoded)) {
      batch.Output += FLine;
    } else {
      batch.Output += FEncoded;
    }
    batch.Output += FLayout.LineEnd;
  }

  void Fail(TBatch& batch, std::string_view text, std::uint64_t line, const TRowError& error) {
    FLine.assign(text);
    for (int i = 0; i < FConverter.OutputColumns(); ++i) {
      FLine += FSeparator;
      AppendField(FLine, {}, FLayout.Delimiter);
    }
    std::string message = "line " + std::to_string(line);
    if (error.Field > 0) {
      message += ", field " + std::to_string(error.Field);
      const auto index = static_cast<size_t>(error.Field - 1);
      if (index < FLayout.HeaderNames.size() && !FLayout.HeaderNames[index].empty())
        message += " (" + FLayout.HeaderNames[index] + ")";
    }
    message += ": " + error.Reason;
    FLine += FSeparator;
    AppendField(FLine, message, FLayout.Delimiter);
    if (batch.Failed++ == 0) batch.FirstError = message;
  }

  const TLayout& FLayout;
  TRowConverter FConverter;
  TFieldSplitter FSplitter;
  TTextConverter FDecoder, FEncoder;
  std::string_view FSeparator;
  std::vector<std::string_view> FFields;
  std::string FDecoded, FLine, FEncoded;
  std::vector<TPendingLine> FLines;
  std::vector<TRowPoint> FRows;
};

// Reads whole lines in blocks.
class TBlockReader {
public:
  explicit TBlockReader(std::FILE* file) : FFile(file) {}

  // Reads until at least `bytes` are buffered or the input ends.
  bool Fill(size_t bytes) {
    while (FBuffer.size() < bytes && !FEnd) {
      const size_t old = FBuffer.size();
      FBuffer.resize(old + kBlockBytes);
      const size_t n = ReadInput(FFile, FBuffer.data() + old, kBlockBytes, FReadError);
      FBuffer.resize(old + n);
      FConsumed += n;
      if (Interrupted()) return false;
      if (n == 0) FEnd = true;
    }
    return true;
  }

  // The next block of whole lines (the last one may lack its line end);
  // false at the end of the input.
  bool Next(std::string& block) {
    if (!Fill(kBlockBytes)) return false;
    if (FBuffer.empty()) return false;
    size_t cut = FBuffer.size();
    if (!FEnd) {
      // A line longer than the buffer makes the buffer grow until it ends.
      size_t lastEnd;
      while ((lastEnd = FBuffer.rfind('\n')) == std::string::npos && !FEnd) {
        if (!Fill(FBuffer.size() + kBlockBytes)) return false;
      }
      cut = lastEnd == std::string::npos ? FBuffer.size() : lastEnd + 1;
    }
    block.assign(FBuffer, 0, cut);
    FBuffer.erase(0, cut);
    return true;
  }

  std::string& Buffer() { return FBuffer; }
  std::uint64_t Consumed() const { return FConsumed - FBuffer.size(); }
  const std::string& ReadError() const { return FReadError; }

private:
  std::FILE* FFile;
  std::string FBuffer;
  std::uint64_t FConsumed = 0;
  bool FEnd = false;
  std::string FReadError;
};

// Batches converted by worker threads, handed back in input order.
class TWorkerPool {
public:
  TWorkerPool(int threads, const TConvertSettings& settings, const TLayout& layout) {
    for (int i = 0; i < threads; ++i) FThreads.emplace_back([this, &settings, &layout] { Run(settings, layout); });
  }
  ~TWorkerPool() {
    {
      std::lock_guard lock(FMutex);
      FClosing = true;
    }
    FWork.notify_all();
    for (auto& t : FThreads) t.join();
  }
  void Submit(TBatch* batch) {
    {
      std::lock_guard lock(FMutex);
      FQueue.push_back(batch);
    }
    FWork.notify_one();
  }
  void Wait(TBatch& batch) {
    std::unique_lock lock(FMutex);
    FDone.wait(lock, [&] { return batch.Done; });
  }

private:
  void Run(const TConvertSettings& settings, const TLayout& layout) {
    TLineWorker worker(settings, layout);
    for (;;) {
      TBatch* batch;
      {
        std::unique_lock lock(FMutex);
        FWork.wait(lock, [&] { return FClosing || !FQueue.empty(); });
        if (FQueue.empty()) return;
        batch = FQueue.front();
        FQueue.pop_front();
      }
      worker.Process(*batch);
      {
        std::lock_guard lock(FMutex);
        batch->Done = true;
      }
      FDone.notify_all();
    }
  }

  std::mutex FMutex;
  std::condition_variable FWork, FDone;
  std::deque<TBatch*> FQueue;
  bool FClosing = false;
  std::vector<std::thread> FThreads;
};

class TProgress {
public:
  TProgress(bool enabled, std::optional<std::uint64_t> size, std::FILE* out)
      : FEnabled(enabled), FSize(size), FOut(out), FStart(Clock::now()), FLast(FStart) {}

  void Update(std::uint64_t rows, std::uint64_t bytes) {
    if (!FEnabled) return;
    const auto now = Clock::now();
    if (now - FLast < std::chrono::milliseconds(500)) return;
    FLast = now;
    const double seconds = std::chrono::duration<double>(now - FStart).count();
    std::fprintf(FOut, "\rgkconv: %llu rows, %.0f rows/s", static_cast<unsigned long long>(rows),
                 seconds > 0 ? rows / seconds : 0.0);
    if (FSize && *FSize > 0) std::fprintf(FOut, ", %.0f%%", 100.0 * static_cast<double>(bytes) / *FSize);
    std::fprintf(FOut, "   ");
    std::fflush(FOut);
    FShown = true;
  }
  void Finish() {
    if (FShown) std::fprintf(FOut, "\r%60s\r", "");
  }

private:
  using Clock = std::chrono::steady_clock;
  bool FEnabled;
  std::optional<std::uint64_t> FSize;
  std::FILE* FOut;
  Clock::time_point FStart, FLast;
  bool FShown = false;
};

std::vector<std::string_view> FirstLines(std::string_view text, size_t count) {
  std::vector<std::string_view> lines;
  while (!text.empty() && lines.size() < count) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos && lines.size() > 0) break;  // possibly cut short
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

struct TTotals {
  std::uint64_t Converted = 0, Failed = 0;
  std::string FirstError;
  void Add(const TBatch& b) {
    Converted += b.Converted;
    Failed += b.Failed;
    if (FirstError.empty()) FirstError = b.FirstError;
  }
};

}  // namespace

int RunConversion(const TRunOptions& options, TConvertSettings& settings, std::FILE* diagnostics) {
  auto fail = [&](const std::string& message) {
    std::fprintf(diagnostics, "gkconv: %s\n", message.c_str());
    return kExitFailure;
  };

  // Input.
  const bool fromStdin = options.Input.empty() || options.Input == "-";
  std::FILE* input = stdin;
  std::string error;
  if (!fromStdin) {
    input = OpenForReading(options.Input, error);
    if (!input) return fail("cannot open '" + options.Input + "': " + error);
  } else {
    SetBinaryMode(stdin);
  }
  struct TCloser {
    std::FILE* f;
    bool own;
    ~TCloser() {
      if (own) std::fclose(f);
    }
  } closer{input, !fromStdin};
  const std::optional<std::uint64_t> inputSize = RegularFileSize(input);

  TBlockReader reader(input);
  if (!reader.Fill(kDetectionBytes)) return kExitInterrupted;
  std::string& head = reader.Buffer();

  // Encoding, BOM, line ends, delimiter.
  TLayout layout;
  const bool hadBom = head.starts_with(kUtf8Bom);
  layout.InputEncoding = options.InputEncoding.value_or(DetectEncoding(head));
  if (hadBom) head.erase(0, kUtf8Bom.size());
  layout.OutputEncoding = options.OutputEncoding;
  const bool writeBom = options.OutputBom.value_or(hadBom) && layout.OutputEncoding == TEncoding::Utf8;
  {
    const size_t firstEnd = head.find('\n');
    if (firstEnd != std::string::npos && firstEnd > 0 && head[firstEnd - 1] == '\r') layout.LineEnd = "\r\n";
  }
  std::vector<std::string> decoded;
  {
    TTextConverter decoder(layout.InputEncoding, TEncoding::Utf8);
    for (std::string_view line : FirstLines(head, 50)) {
      std::string text;
      if (!decoder.Convert(line, text)) text.assign(line);
      decoded.push_back(std::move(text));
    }
  }
  if (options.Columns.Cass)
    layout.Delimiter = options.Delimiter.value_or(TDelimiter::Comma);
  else if (options.Delimiter)
    layout.Delimiter = *options.Delimiter;
  else
    layout.Delimiter = DetectDelimiter(std::vector<std::string_view>(decoded.begin(), decoded.end()));

  // Header and columns.
  std::vector<std::string_view> firstFields;
  std::string firstLine = decoded.empty() ? std::string() : decoded.front();
  TFieldSplitter splitter(layout.Delimiter);
  if (!firstLine.empty()) splitter.Split(firstLine, firstFields);
  bool hasHeader = false;
  if (!ResolveColumns(options.Columns, options.Header, firstFields, settings, hasHeader, error)) return fail(error);
  if (hasHeader) layout.HeaderNames.assign(firstFields.begin(), firstFields.end());

  // Output.
  TAtomicOutput output;
  if (options.Output.empty()) SetBinaryMode(stdout);
  if (!output.Open(options.Output, error)) return fail(error);
  std::string text;
  if (writeBom) text += kUtf8Bom;
  std::uint64_t nextLine = 1;
  TRowConverter headerInfo(settings);
  if (hasHeader) {
    const size_t end = head.find('\n');
    head.erase(0, end == std::string::npos ? head.size() : end + 1);
    std::string line = firstLine;
    const std::string_view separator = Separator(layout.Delimiter);
    for (const std::string& name : headerInfo.OutputHeader()) {
      line += separator;
      AppendField(line, name, layout.Delimiter);
    }
    line += separator;
    line += "error/错误";
    std::string encoded;
    TTextConverter encoder(TEncoding::Utf8, layout.OutputEncoding);
    text += encoder.Convert(line, encoded) ? encoded : line;
    text += layout.LineEnd;
    nextLine = 2;
  }
  if (!output.Write(text)) return fail(output.Error());

  // Threads: the converting itself runs on workers when the input is large
  // enough (or of unknown size) to repay starting them.
  int threads = options.Threads;
  if (threads <= 0) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const bool big = !inputSize || *inputSize >= kParallelFrom;
    threads = big ? static_cast<int>(std::min(cores, 8u)) : 1;
  }
  const bool progress =
      options.Progress.value_or(IsTerminal(diagnostics) && inputSize && *inputSize >= kProgressFrom);
  TProgress meter(progress, inputSize, diagnostics);

  TTotals totals;
  bool writeFailed = false;
  auto emit = [&](TBatch& batch) {
    totals.Add(batch);
    if (!writeFailed && !output.Write(batch.Output)) writeFailed = true;
    meter.Update(totals.Converted + totals.Failed, reader.Consumed());
  };
  auto countLines = [](const std::string& s) {
    return static_cast<std::uint64_t>(std::count(s.begin(), s.end(), '\n')) +
           (!s.empty() && s.back() != '\n' ? 1 : 0);
  };

  if (threads == 1) {
    TLineWorker worker(settings, layout);
    TBatch batch;
    while (!writeFailed && !Interrupted() && reader.Next(batch.Input)) {
      batch.FirstLine = nextLine;
      nextLine += countLines(batch.Input);
      batch.Converted = batch.Failed = 0;
      batch.FirstError.clear();
      worker.Process(batch);
      emit(batch);
    }
  } else {
    TWorkerPool pool(threads, settings, layout);
    std::deque<std::unique_ptr<TBatch>> inFlight;
    const size_t maxInFlight = static_cast<size_t>(threads) * 2 + 1;
    auto writeFront = [&] {
      pool.Wait(*inFlight.front());
      emit(*inFlight.front());
      inFlight.pop_front();
    };
    for (;;) {
      if (writeFailed || Interrupted()) break;
      auto batch = std::make_unique<TBatch>();
      if (!reader.Next(batch->Input)) break;
      batch->FirstLine = nextLine;
      nextLine += countLines(batch->Input);
      while (inFlight.size() >= maxInFlight) writeFront();
      pool.Submit(batch.get());
      inFlight.push_back(std::move(batch));
    }
    while (!inFlight.empty()) writeFront();
  }
  meter.Finish();

  if (Interrupted()) {
    output.Abort();
    std::fprintf(diagnostics, "gkconv: interrupted; %s\n",
                 options.Output.empty() ? "the output is incomplete" : "the output file was not changed");
    return kExitInterrupted;
  }
  if (!reader.ReadError().empty()) {
    output.Abort();
    return fail("reading '" + (fromStdin ? std::string("standard input") : options.Input) + "': " + reader.ReadError() +
                "; the output file was not changed");
  }
  if (writeFailed || !output.Commit()) {
    const std::string reason = output.Error();
    output.Abort();
    return fail(reason + (options.Output.empty() ? "" : "; the output file was not changed"));
  }

  const std::uint64_t rows = totals.Converted + totals.Failed;
  std::fprintf(diagnostics, "gkconv: %llu rows: %llu converted, %llu failed\n", static_cast<unsigned long long>(rows),
               static_cast<unsigned long long>(totals.Converted), static_cast<unsigned long long>(totals.Failed));
  if (totals.Failed > 0) std::fprintf(diagnostics, "gkconv: first error: %s\n", totals.FirstError.c_str());
  return totals.Failed == 0 ? kExitAllConverted : kExitSomeRowsFailed;
}

}  // namespace gkconv
