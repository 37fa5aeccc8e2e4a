#include "e2e/sandbox_run.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

std::string readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string shellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

std::string output(const std::string& command) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    throw std::runtime_error("cannot run " + command);
  }
  std::array<char, 4096> buffer;
  size_t length = 0;
  while ((length = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    text.append(buffer.data(), length);
  }
  pclose(pipe);
  return text;
}

constexpr uint64_t kImageSize = 1 << 20;

}  // namespace

SandboxFixture::SandboxFixture() {
  char name[] = "/tmp/memquill-e2e-XXXXXX";
  if (mkdtemp(name) == nullptr) {
    throw std::runtime_error("cannot make a scratch directory");
  }
  mDir = name;
  std::vector<uint8_t> image(kImageSize);
  for (uint64_t a = 0; a < kImageSize; ++a) {
    image[a] = static_cast<uint8_t>(a + (a >> 8));
  }
  std::ofstream(imagePath(), std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()),
             static_cast<std::streamsize>(image.size()));
  std::filesystem::create_directories(mDir + "/pci");
}

SandboxFixture::~SandboxFixture() { std::filesystem::remove_all(mDir); }

uint8_t SandboxFixture::imageByte(uint64_t address) const {
  return static_cast<uint8_t>(readFile(imagePath()).at(address));
}

void SandboxFixture::setImageByte(uint64_t address, uint8_t value) const {
  const int fd = open(imagePath().c_str(), O_WRONLY);
  const bool written = pwrite(fd, &value, 1, static_cast<off_t>(address)) == 1;
  close(fd);
  if (!written) {
    throw std::runtime_error("cannot write the image");
  }
}

std::string SandboxFixture::writeMcfg(uint64_t base) const {
  std::string table(60, '\0');
  table.replace(0, 4, "MCFG");
  for (int i = 0; i < 8; ++i) {
    table[44 + i] = static_cast<char>(base >> (8 * i));
  }
  const std::string path = mDir + "/MCFG";
  std::ofstream(path, std::ios::binary) << table;
  return path;
}

void SandboxFixture::addPciFunction(uint64_t ecamBase, int bus, int device, int function,
                                    const std::vector<uint8_t>& header) const {
  char name[16];
  std::snprintf(name, sizeof name, "0000:%02x:%02x.%x", bus, device, function);
  const std::string dir = mDir + "/pci/" + name;
  std::filesystem::create_directories(dir);
  char id[16];
  std::snprintf(id, sizeof id, "0x%02x%02x\n", header[1], header[0]);
  std::ofstream(dir + "/vendor") << id;
  std::snprintf(id, sizeof id, "0x%02x%02x\n", header[3], header[2]);
  std::ofstream(dir + "/device") << id;
  const uint64_t address =
      ecamBase + (uint64_t(bus) << 20) + (uint64_t(device) << 15) + (uint64_t(function) << 12);
  for (size_t i = 0; i < header.size(); ++i) {
    setImageByte(address + i, header[i]);
  }
}

std::string SandboxFixture::command(const std::string& sandboxOptions,
                                    const std::string& args) const {
  return shellQuote(MEMQUILL_SANDBOX) + " --binary " + shellQuote(MEMQUILL_BINARY) + " --image " +
         shellQuote(imagePath()) + " --pci-tree " + shellQuote(mDir + "/pci") + " " +
         sandboxOptions + " -- " + args;
}

ProcessResult runCaptured(const std::string& command, const std::string& scratchDir) {
  const std::string out = scratchDir + "/captured.out";
  const std::string err = scratchDir + "/captured.err";
  const int status = std::system((command + " </dev/null >" + out + " 2>" + err).c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out), readFile(err)};
}

TmuxSession::TmuxSession(const std::string& command, const std::string& scratchDir, int width,
                         int height)
    : mDir(scratchDir) {
  static std::atomic<int> sessions{0};
  mSocket = "memquill-e2e-" + std::to_string(getpid()) + "-" + std::to_string(sessions++);
  std::ofstream(mDir + "/run.sh") << "stty -g > " << mDir << "/stty.before\n"
                                  << command << "\n"
                                  << "echo $? > " << mDir << "/status.tmp\n"
                                  << "stty -g > " << mDir << "/stty.after\n"
                                  << "mv " << mDir << "/status.tmp " << mDir << "/status\n"
                                  << "exec sleep 600\n";
  std::filesystem::remove(mDir + "/status");
  // Keys as an xterm sends them (Home and End among them).
  std::ofstream(mDir + "/tmux.conf") << "set -g default-terminal xterm-256color\n";
  tmux("new-session -d -x " + std::to_string(width) + " -y " + std::to_string(height) + " 'bash " +
       mDir + "/run.sh'");
}

TmuxSession::~TmuxSession() { tmux("kill-server"); }

std::string TmuxSession::tmux(const std::string& arguments) const {
  return output("LANG=C.UTF-8 TERM=xterm-256color tmux -u -L " + mSocket + " -f " + mDir +
                "/tmux.conf " + arguments + " 2>/dev/null");
}

std::string TmuxSession::screen() const { return tmux("capture-pane -p -t 0"); }

bool TmuxSession::waitFor(const std::string& text, std::chrono::milliseconds timeout) const {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (screen().find(text) != std::string::npos) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

bool TmuxSession::waitForGone(const std::string& text, std::chrono::milliseconds timeout) const {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (screen().find(text) == std::string::npos) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

void TmuxSession::keys(const std::vector<std::string>& names) const {
  for (const auto& name : names) {
    tmux("send-keys -t 0 " + name);
    // One key per read: the program sees each as its own event, as typed.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
}

void TmuxSession::type(const std::string& literal) const {
  tmux("send-keys -t 0 -l " + shellQuote(literal));
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

int TmuxSession::waitForExit(std::chrono::milliseconds timeout) const {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const std::string status = readFile(mDir + "/status");
    if (!status.empty()) {
      return std::stoi(status);
    }
    if (std::chrono::steady_clock::now() >= end) {
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

void TmuxSession::resize(int width, int height) const {
  tmux("resize-window -t 0 -x " + std::to_string(width) + " -y " + std::to_string(height));
}

int TmuxSession::programPid(const std::string& binary) const {
  std::vector<std::string> pending{tmux("display-message -p -t 0 '#{pane_pid}'")};
  while (!pending.empty()) {
    std::string pid = pending.back();
    pending.pop_back();
    pid.erase(pid.find_last_not_of(" \n") + 1);
    std::error_code error;
    if (std::filesystem::read_symlink("/proc/" + pid + "/exe", error).string() == binary) {
      return std::stoi(pid);
    }
    std::istringstream children(readFile("/proc/" + pid + "/task/" + pid + "/children"));
    for (std::string child; children >> child;) {
      pending.push_back(child);
    }
  }
  return -1;
}

bool TmuxSession::terminalRestored() const {
  const std::string before = readFile(mDir + "/stty.before");
  return !before.empty() && before == readFile(mDir + "/stty.after");
}
