#include "host_app.h"

#include <memory>
#include <string>

#include "file_dialogs.h"
#include "filter_host.h"
#include "host_report.h"
#include "host_strings.h"
#include "host_system_info.h"
#include "host_window.h"
#include "lua_runner.h"
#include "menu_capture.h"
#include "plugin_library.h"
#include "png_writer.h"
#include "project_file.h"
#include "window_capture.h"

namespace {

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Beside the program (where the build puts both), else the build's output
// seen from the source tree.
std::string DefaultPluginPath() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    std::string beside(path, length);
    const size_t slash = beside.find_last_of("\\/");
    if (slash != std::string::npos) {
      beside.resize(slash + 1);
      beside += "Velumbra.auf";
      if (FileExists(beside)) return beside;
    }
  }
  return sizeof(void*) == 8 ? "build/win64/Velumbra.auf" : "build/win32/Velumbra.auf";
}

class HostSession {
 public:
  HostSession(const HostOptions& options, HINSTANCE instance)
      : options_(options), instance_(instance), report_(!options.batch) {}

  int Run();

 private:
  bool LoadPlugin();
  bool ApplyStartingId();
  void OnCommand(HostCommand command);
  void RunScript(const std::string& path);
  void SaveScreenshot();
  void Shutdown();

  const HostOptions& options_;
  HINSTANCE instance_;
  HostReporter report_;
  PluginLibrary plugin_;
  std::unique_ptr<FilterHost> filter_;
  HostWindow window_;
  bool shutDown_ = false;
};

bool HostSession::LoadPlugin() {
  const std::string path = options_.pluginPath.empty() ? DefaultPluginPath() : options_.pluginPath;
  std::string error;
  plugin_ = LoadPluginLibrary(path, error);
  if (plugin_.module == nullptr) {
    report_.Error(error);
    return false;
  }
  if (!plugin_.missing.empty()) {
    std::string list;
    for (const std::string& item : plugin_.missing) list += "\n  " + item;
    std::string message = path + " lacks:" + list;
    if (plugin_.descriptor == nullptr) {
      report_.Error(message + "\nThe filter cannot be shown.");
    } else {
      report_.Warning(message + "\nThe host carries on without them.");
    }
  }
  if (plugin_.descriptor != nullptr) filter_ = std::make_unique<FilterHost>(*plugin_.descriptor);
  return true;
}

bool HostSession::ApplyStartingId() {
  if (!options_.id) return true;
  if (filter_ == nullptr || filter_->trackCount() == 0) {
    report_.Warning("--id ignored: the plug-in has no track bar");
    return true;
  }
  const long id = *options_.id;
  if (id < filter_->TrackMinimum(0) || id > filter_->TrackMaximum(0) ||
      !filter_->SetTrackValue(0, static_cast<int32_t>(id))) {
    report_.Error("--id " + std::to_string(id) + " is outside " +
                  std::to_string(filter_->TrackMinimum(0)) + " to " +
                  std::to_string(filter_->TrackMaximum(0)));
    return false;
  }
  return true;
}

void HostSession::RunScript(const std::string& path) {
  std::string error;
  if (!RunLuaScript(plugin_.module, path, error)) report_.Error("script " + path + ": " + error);
}

void HostSession::SaveScreenshot() {
  std::string error = "cannot capture the window";
  const CapturedImage image =
      options_.contextMenu
          ? CaptureWithContextMenu(window_.mainWindow(), window_.filterWindow(),
                                   options_.contextMenu->first, options_.contextMenu->second,
                                   options_.openSubmenu, error)
          : CaptureClientArea(window_.mainWindow());
  if (image.pixels.empty()) {
    report_.Error(error);
  } else if (!WritePngFile(options_.screenshot, image.pixels.data(), image.width, image.height)) {
    report_.Error("cannot write " + options_.screenshot);
  }
}

void HostSession::OnCommand(HostCommand command) {
  namespace text = host_strings;
  HWND owner = window_.mainWindow();
  std::string error;
  switch (command) {
    case HostCommand::kLoadProject: {
      const std::string path =
          AskFileToOpen(owner, text::kProjectFileFilter, sizeof text::kProjectFileFilter);
      if (path.empty() || filter_ == nullptr) return;
      if (!LoadProjectFile(*filter_, path, error)) {
        report_.Error(error);
        return;
      }
      // The hook does not refresh the editor; a host re-sends all values after a load.
      filter_->UpdateAll();
      return;
    }
    case HostCommand::kSaveProject: {
      const std::string path =
          AskFileToSave(owner, text::kProjectFileFilter, sizeof text::kProjectFileFilter,
                        text::kProjectExtension);
      if (!path.empty() && filter_ != nullptr && !SaveProjectFile(*filter_, path, error)) {
        report_.Error(error);
      }
      return;
    }
    case HostCommand::kRunScript: {
      const std::string path =
          AskFileToOpen(owner, text::kScriptFileFilter, sizeof text::kScriptFileFilter);
      if (!path.empty()) RunScript(path);
      return;
    }
    case HostCommand::kExit:
      Shutdown();
      return;
  }
}

// Project save through the hooks, then the filter's exit while its windows
// still exist, then the windows.
void HostSession::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  if (filter_ != nullptr) {
    std::string error;
    if (!options_.projectSave.empty() && !SaveProjectFile(*filter_, options_.projectSave, error)) {
      report_.Error(error);
    }
    filter_->Exit();
  }
  report_.set_owner(nullptr);
  window_.Destroy();
}

int HostSession::Run() {
  if (!LoadPlugin()) return 1;
  if (!ApplyStartingId()) {
    UnloadPluginLibrary(plugin_);
    return 2;
  }
  const char* title = plugin_.descriptor != nullptr && plugin_.descriptor->name != nullptr
                          ? plugin_.descriptor->name
                          : host_strings::kMessageCaption;
  HostMenuState menu;
  menu.projectHooks = filter_ != nullptr && filter_->hasProjectHooks();
  menu.scripts = FindPluginExport(plugin_, "luaopen_Velumbra") != nullptr;
  if (!window_.Create(instance_, title, filter_.get(), menu,
                      [this](HostCommand command) { OnCommand(command); })) {
    report_.Error("cannot create the host window (error " + std::to_string(GetLastError()) + ")");
    UnloadPluginLibrary(plugin_);
    return 1;
  }
  report_.set_owner(window_.mainWindow());

  if (filter_ != nullptr) {
    filter_->Init(window_.filterWindow(), plugin_.module);
    std::string error;
    if (!options_.projectLoad.empty() && !LoadProjectFile(*filter_, options_.projectLoad, error)) {
      report_.Error(error);
    }
    filter_->UpdateAll();
  } else if (!options_.projectLoad.empty() || !options_.projectSave.empty()) {
    report_.Error("project files go through the filter's hooks, and there is no filter");
  }
  ShowWindow(window_.mainWindow(), SW_SHOWNORMAL);
  UpdateWindow(window_.mainWindow());
  if (!options_.script.empty()) RunScript(options_.script);
  for (const auto& [x, y] : options_.clicks) {
    const LPARAM at = MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
    SendMessageA(window_.filterWindow(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(window_.filterWindow(), WM_LBUTTONUP, 0, at);
  }
  UpdateWindow(window_.mainWindow());

  if (options_.batch) {
    if (!options_.screenshot.empty()) SaveScreenshot();
    Shutdown();
    PumpWaitingMessages();
  } else {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Shutdown();
  }
  filter_.reset();
  UnloadPluginLibrary(plugin_);
  ReleaseHostUiFont();
  return report_.failed() ? 1 : 0;
}

}  // namespace

int RunHost(const HostOptions& options, HINSTANCE instance) {
  HostSession session(options, instance);
  return session.Run();
}
