#include "GkconvProcess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

int StatusOf(int raw) {
  if (WIFEXITED(raw)) return WEXITSTATUS(raw);
  if (WIFSIGNALED(raw)) return 128 + WTERMSIG(raw);
  return -1;
}

}  // namespace

int StartGkconv(const std::vector<std::string>& args, const std::string& stdinPath, const fs::path& dir) {
  const std::string out = (dir / ".stdout").string(), err = (dir / ".stderr").string();
  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open(stdinPath.empty() ? "/dev/null" : stdinPath.c_str(), O_RDONLY);
    const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(in, 0);
    dup2(o, 1);
    dup2(e, 2);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(GKCONV_PROGRAM));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(GKCONV_PROGRAM, argv.data());
    _exit(127);
  }
  return pid;
}

TGkconvRun WaitGkconv(int pid, const fs::path& dir) {
  int raw = 0;
  waitpid(pid, &raw, 0);
  TGkconvRun run;
  run.Status = StatusOf(raw);
  run.Out = ReadFile(dir / ".stdout");
  run.Err = ReadFile(dir / ".stderr");
  fs::remove(dir / ".stdout");
  fs::remove(dir / ".stderr");
  return run;
}

TGkconvRun RunGkconv(const std::vector<std::string>& args, const std::string& input) {
  TScratchDir dir;
  const fs::path in = dir / ".stdin";
  WriteFile(in, input);
  return WaitGkconv(StartGkconv(args, in.string(), dir.Path()), dir.Path());
}

TScratchDir::TScratchDir() {
  std::string pattern = (fs::temp_directory_path() / "gkconv-test-XXXXXX").string();
  FPath = mkdtemp(pattern.data());
}

TScratchDir::~TScratchDir() {
  std::error_code ignored;
  fs::remove_all(FPath, ignored);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream f(path, std::ios::binary);
  f << text;
}

std::vector<std::string> FileNames(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}
