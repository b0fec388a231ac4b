// The simulated CAD host: one object owns every part of it; free API functions reach the current one.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lisp/value.h"
#include "sim/audit_log.h"
#include "sim/commands/input_options.h"
#include "sim/command_line.h"
#include "sim/command_stack.h"
#include "sim/document_manager.h"
#include "sim/editor/editor.h"
#include "sim/faults.h"
#include "sim/lisp_files.h"
#include "sim/input/input.h"
#include "sim/module_services.h"
#include "sim/monitors/cursor.h"
#include "sim/plugin_module.h"
#include "sim/resbuf_ledger.h"
#include "sim/status/status_bar.h"
#include "sim/system_variables.h"
#include "sim/user/user_input.h"
#include "sim/win/kernel32/drive_paths.h"
#include "sim/win/kernel32/kernel_handles.h"
#include "sim/win/kernel32/processes.h"
#include "sim/win/shell32/folder_picker.h"
#include "sim/win/shell32/shell_executions.h"
#include "sim/win/user32/window_system.h"

namespace vexa::sim {

struct PromptResult {
    int status;
    std::wstring text;
    // A click in the drawing, at a prompt that takes points.
    std::optional<db::Point3> picked{};
};

// A call of the host's help: the file ("acad.chm" for the host's own) and the topic.
struct HelpRequest {
    std::wstring file;
    std::wstring topic;
    int command = 0;
};

class Host {
public:
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host the free API functions act on; null when none exists.
    static Host* current();

    AuditLog& audit() { return audit_; }
    CommandLine& commandLine() { return commandLine_; }
    ResbufLedger& resbufs() { return resbufs_; }
    SystemVariables& sysvars() { return sysvars_; }
    DocumentManager& documents() { return documents_; }
    CommandStack& commands() { return commands_; }
    UserInput& user() { return user_; }
    ModuleServices& services() { return services_; }
    // Host services armed to fail at a later call.
    Faults& faults() { return faults_; }
    // The simulated machine's drives: Windows paths to real files.
    win::DrivePaths& drives() { return *drives_; }
    // Keeps the machine's files in root (made if missing) instead of a temporary folder.
    void useDriveRoot(const std::filesystem::path& root) { drives_ = std::make_unique<win::DrivePaths>(root); }
    // Kernel objects held by handle, and the programs started on the machine.
    win::KernelHandles& kernelHandles() { return kernelHandles_; }
    win::Processes& processes() { return processes_; }
    // The shell's folder picker, answered by the scripted user.
    win::FolderPicker& folderPicker() { return folderPicker_; }
    // Windows, dialogs, the message queue, the clock and timers.
    win::WindowSystem& windows() { return *windows_; }
    // Keyboard and mouse input, hooks, and the host's message filters and watchers.
    Input& input() { return *input_; }
    // The drawing view's cursor: its moves call the input-point monitors and log their graphics.
    monitors::Cursor& cursor() { return cursor_; }
    // The drawing view, its viewports, selection sets and the selection prompt.
    editor::Editor& editor() { return *editor_; }
    std::vector<HelpRequest>& helpRequests() { return helpRequests_; }
    // What the plug-ins asked the shell to open (never run).
    win::ShellExecutions& shell() { return shell_; }
    // The main window's status bar and its progress meter.
    StatusBar& statusBar() { return statusBar_; }
    // Where `show` and `picture` hand the window the user looks at (null: the drawing view);
    // without a taker no pictures are made.
    void setPictureTaker(std::function<void(HWND)> taker) { pictureTaker_ = std::move(taker); }
    void takePicture(HWND window) {
        if (pictureTaker_) pictureTaker_(window);
    }

    // A system variable, with the drawing's name and folder taken from the current drawing.
    std::optional<VariableValue> variable(std::wstring_view name) const;

    // Plug-ins, as the host loads and unloads applications.
    PluginModule& loadPlugin(const std::string& path);
    void unloadPlugin(std::wstring_view name);
    // Newest first, as the host unloads at exit.
    void unloadAllPlugins();
    PluginModule* plugin(std::wstring_view name) const;
    PluginModule* pluginByInstance(HINSTANCE instance) const;
    const PluginModule* messageTarget() const { return messageTarget_; }

    // AutoLISP in the current drawing. evaluate throws lisp::LispError; runScript reports
    // an error as the host does and stops there.
    lisp::ValuePtr evaluate(std::wstring_view source);
    bool runScript(std::wstring_view source);

    // The AutoLISP boundary as the plug-ins see it.
    void defineFunction(std::wstring_view name, short code);
    int functionCode() const;
    // The code under which a plug-in defined a function in the current drawing.
    std::optional<short> registeredCode(std::wstring_view name) const;
    resbuf* functionArguments() const;
    void setResult(lisp::ValuePtr result);
    int invoke(const resbuf* arguments, resbuf** result);

    // Prompts and commands.
    // With picks allowed a click in the current viewport answers with its point (a right click
    // is Enter); elsewhere picks and keys in the drawing are an audit fault.
    PromptResult promptString(bool spacesAllowed, const ACHAR* prompt, bool picksAllowed = false);
    // What the next get call takes from acedInitGet or (initget), and the last keyword answered.
    InputOptions& inputOptions() { return inputOptions_; }
    // The files AutoLISP's (open ...) made.
    OpenFiles& openFiles() { return openFiles_; }
    bool runCommand(std::wstring_view typedName);
    // A command run from a script or acedCommand: echoed as typed, its inputs queued for its
    // prompts; inputs it does not read are dropped.
    void runScriptedCommand(const std::wstring& name, const std::vector<PromptAnswer>& inputs);
    // How often the host's own REDRAW command has run.
    int redrawCount() const { return redrawCount_; }
    // How often the host's dimension style manager (DDIM) has run.
    int dimStyleManagerRuns() const { return dimStyleManagerRuns_; }
    bool commandActive() const { return commandDepth_ > 0 || promptDepth_ > 0; }
    // Text sent to execute: lines typed at the waiting prompt, else run as commands once the
    // running command ends.
    void executeString(std::wstring_view text);

    // CLOSE: the drawing closes (its unload messages sent, the document destroyed) once the
    // AutoLISP evaluation under way has returned, as its environment may be running the command.
    void closeWhenIdle(Document& document);

    // Sends a function call with any code, as the host would for a registered name.
    lisp::ValuePtr callPlugin(PluginModule& module, short code, const std::vector<lisp::ValuePtr>& arguments);

private:
    struct PluginCall {
        int code;
        resbuf* arguments;
        lisp::ValuePtr result;
    };
    struct AuditMark {
        std::size_t resbufs;
        std::size_t resourceHandles;
        std::size_t windowSerial;
        std::size_t openObjects;
        std::size_t selectionSets;
        std::size_t kernelHandles;
        std::size_t itemLists;
        std::size_t documentLocks;
    };

    AcRx::AppRetCode send(PluginModule& module, AcRx::AppMsgCode message, void* packet = nullptr);
    void documentOpened(Document& document);
    void documentClosing(Document& document);
    void defineHostFunctions(Document& document);
    AuditMark auditMark();
    std::size_t openObjects() const;
    void auditSince(const AuditMark& mark, std::wstring_view what);
    void runSentCommands();
    void closePendingDocuments();

    AuditLog audit_;
    CommandLine commandLine_;
    ResbufLedger resbufs_{audit_};
    SystemVariables sysvars_;
    DocumentManager documents_;
    const PluginModule* messageTarget_ = nullptr;
    CommandStack commands_{messageTarget_};
    UserInput user_;
    ModuleServices services_;
    Faults faults_;
    StatusBar statusBar_;
    std::function<void(HWND)> pictureTaker_;
    win::ShellExecutions shell_;
    std::unique_ptr<win::DrivePaths> drives_ = std::make_unique<win::DrivePaths>();
    win::KernelHandles kernelHandles_;
    win::Processes processes_;
    win::FolderPicker folderPicker_{*this};
    std::vector<std::unique_ptr<PluginModule>> plugins_;
    std::unique_ptr<win::WindowSystem> windows_;
    std::unique_ptr<Input> input_;
    monitors::Cursor cursor_{*this};
    std::unique_ptr<editor::Editor> editor_;
    struct Definition {
        Document* document;
        const PluginModule* module;
        std::wstring name;
        short code;
    };

    std::vector<PluginCall> calls_;
    std::vector<HelpRequest> helpRequests_;
    std::vector<Definition> definitions_;
    std::deque<std::wstring> sentLines_;
    int commandDepth_ = 0;
    int promptDepth_ = 0;
    int evaluationDepth_ = 0;
    std::vector<Document*> pendingCloses_;
    int redrawCount_ = 0;
    int dimStyleManagerRuns_ = 0;
    InputOptions inputOptions_;
    OpenFiles openFiles_;
    Host* previous_;
};

}  // namespace vexa::sim
