#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// The real memquill binary run through scripts/sandbox, over a memory image and a PCI tree
// made for the test in a private temporary directory.
class SandboxFixture {
 public:
  SandboxFixture();
  ~SandboxFixture();
  SandboxFixture(const SandboxFixture&) = delete;
  SandboxFixture& operator=(const SandboxFixture&) = delete;

  // The image file standing in for physical memory: byte(a) = a + (a >> 8) below 1 MiB.
  std::string imagePath() const { return mDir + "/memory.img"; }
  uint8_t imageByte(uint64_t address) const;
  void setImageByte(uint64_t address, uint8_t value) const;
  std::string dir() const { return mDir; }

  // An MCFG table whose first window starts at `base`, for --mcfg.
  std::string writeMcfg(uint64_t base) const;
  // A function in the PCI tree, its 64-byte header at its ECAM address in the image.
  void addPciFunction(uint64_t ecamBase, int bus, int device, int function,
                      const std::vector<uint8_t>& header) const;

  // The sandbox command line (for a shell) with the given sandbox options and memquill args.
  std::string command(const std::string& sandboxOptions, const std::string& args) const;

 private:
  std::string mDir;
};

struct ProcessResult {
  int status;
  std::string out;
  std::string err;
};

// Runs a shell command without a terminal, its streams captured separately.
ProcessResult runCaptured(const std::string& command, const std::string& scratchDir);

// A detached tmux session of its own server running one command in a W x H terminal. After
// the command ends the pane stays, and the terminal settings before and after are kept.
class TmuxSession {
 public:
  TmuxSession(const std::string& command, const std::string& scratchDir, int width = 100,
              int height = 30);
  ~TmuxSession();
  TmuxSession(const TmuxSession&) = delete;
  TmuxSession& operator=(const TmuxSession&) = delete;

  std::string screen() const;
  // Waits until the screen shows `text`; false after the timeout.
  bool waitFor(const std::string& text,
               std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  bool waitForGone(const std::string& text,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  void keys(const std::vector<std::string>& names) const;  // tmux key names: PageDown, F5, C-c
  void type(const std::string& literal) const;
  // The command's exit status, or -1 if it has not ended within the timeout.
  int waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  // Whether the terminal settings after the command equal those before it.
  bool terminalRestored() const;
  void resize(int width, int height) const;
  // The process running `binary` below the pane, or -1.
  int programPid(const std::string& binary) const;

 private:
  std::string tmux(const std::string& arguments) const;

  std::string mSocket;
  std::string mDir;
};
