#include "sim/host.h"

#include <algorithm>

#include "lisp/lisp_error.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "sim/commands/host_commands.h"
#include "sim/editor/view_commands.h"
#include "sim/lisp_bridge.h"
#include "sim/user/window_acts.h"

namespace vexa::sim {

namespace {
Host* currentHost = nullptr;
}

Host* Host::current() { return currentHost; }

Host::Host() : previous_(currentHost) {
    currentHost = this;
    windows_ = std::make_unique<win::WindowSystem>(*this);
    input_ = std::make_unique<Input>(*windows_);
    editor_ = std::make_unique<editor::Editor>(*this);
    sysvars_.setObserver([this](const std::wstring& name, const VariableValue& value) {
        if (name == L"TILEMODE") editor_->showLayout(std::get<int>(value) == 0);
    });
    editor::registerViewCommands(commands_);
    documents_.setHooks([this](Document& d) { documentOpened(d); }, [this](Document& d) { documentClosing(d); });
    documents_.setStringSink([this](Document&, std::wstring_view text) { executeString(text); });
    registerHostCommands(commands_);
}

Host::~Host() {
    unloadAllPlugins();
    documents_.closeAll();
    currentHost = previous_;
}

AcRx::AppRetCode Host::send(PluginModule& module, AcRx::AppMsgCode message, void* packet) {
    const PluginModule* outer = messageTarget_;
    messageTarget_ = &module;
    const AcRx::AppRetCode result = module.send(message, packet);
    messageTarget_ = outer;
    return result;
}

PluginModule& Host::loadPlugin(const std::string& path) {
    auto module = std::make_unique<PluginModule>(path);
    if (plugin(module->name()) != nullptr) return *plugin(module->name());
    PluginModule& loaded = *plugins_.emplace_back(std::move(module));
    loaded.attach();
    send(loaded, AcRx::kInitAppMsg);
    Document* active = documents_.current();
    for (const auto& document : documents_.documents()) {
        documents_.activateDocument(document.get());
        send(loaded, AcRx::kLoadDwgMsg);
    }
    if (active != nullptr) documents_.activateDocument(active);
    return loaded;
}

void Host::unloadPlugin(std::wstring_view name) {
    auto it = std::find_if(plugins_.begin(), plugins_.end(), [&](const auto& m) { return m->name() == name; });
    if (it == plugins_.end()) return;
    PluginModule& module = **it;
    send(module, AcRx::kUnloadAppMsg);
    for (const std::wstring& window : windows_->destroyWindowsOf(&module)) {
        audit_.record(module.name() + L" left " + window + L" open at unload");
    }
    windows_->resources().unregisterModule(module.instance());
    input_->releaseLeftovers(module, audit_);
    for (const auto& document : documents_.documents()) document->inputPoints().releaseLeftovers(module, audit_);
    for (const RegisteredCommand* command : commands_.commandsOf(&module)) {
        audit_.record(module.name() + L" left the command " + command->globalName + L" registered at unload");
    }
    std::erase_if(definitions_, [&](const Definition& d) {
        if (d.module != &module) return false;
        d.document->lisp().undefine(d.name);
        return true;
    });
    module.detach();
    plugins_.erase(it);
}

std::optional<VariableValue> Host::variable(std::wstring_view name) const {
    const std::wstring upper = upperCase(name);
    if ((upper == L"DWGNAME" || upper == L"DWGPREFIX") && documents_.current() != nullptr) {
        const std::wstring path = documents_.current()->fileName();
        const std::size_t slash = path.find_last_of(L"/\\");
        const std::size_t split = slash == std::wstring::npos ? 0 : slash + 1;
        return upper == L"DWGNAME" ? path.substr(split) : path.substr(0, split);
    }
    return sysvars_.get(name);
}

void Host::unloadAllPlugins() {
    while (!plugins_.empty()) unloadPlugin(plugins_.back()->name());
}

PluginModule* Host::plugin(std::wstring_view name) const {
    for (const auto& module : plugins_) {
        if (upperCase(module->name()) == upperCase(name)) return module.get();
    }
    return nullptr;
}

PluginModule* Host::pluginByInstance(HINSTANCE instance) const {
    for (const auto& module : plugins_) {
        if (module->instance() == instance) return module.get();
    }
    return nullptr;
}

void Host::documentOpened(Document& document) {
    sysvars_.resetForNewDrawing();
    document.lisp().setOutput([this](std::wstring_view text) { commandLine_.print(text); });
    defineHostFunctions(document);
    for (const auto& module : plugins_) send(*module, AcRx::kLoadDwgMsg);
}

void Host::documentClosing(Document& document) {
    for (const auto& module : plugins_) send(*module, AcRx::kUnloadDwgMsg);
    std::erase_if(definitions_, [&](const Definition& d) { return d.document == &document; });
}

lisp::ValuePtr Host::evaluate(std::wstring_view source) {
    struct Depth {
        Host& host;
        explicit Depth(Host& h) : host(h) { ++host.evaluationDepth_; }
        ~Depth() {
            if (--host.evaluationDepth_ == 0) host.closePendingDocuments();
        }
    } depth{*this};
    lisp::ValuePtr last;
    // Each form runs in whichever drawing is current when it starts, so a script goes on
    // in a drawing that an earlier form activated or opened; with none left, in a new one.
    for (const lisp::ValuePtr& form : lisp::readAll(source)) {
        if (documents_.current() == nullptr) documents_.newDocument();
        last = documents_.current()->lisp().evaluate(form);
        if (evaluationDepth_ == 1) closePendingDocuments();
    }
    return last;
}

void Host::closeWhenIdle(Document& document) {
    if (std::find(pendingCloses_.begin(), pendingCloses_.end(), &document) == pendingCloses_.end()) {
        pendingCloses_.push_back(&document);
    }
    if (evaluationDepth_ == 0) closePendingDocuments();
}

void Host::closePendingDocuments() {
    for (Document* document : std::exchange(pendingCloses_, {})) {
        const auto& open = documents_.documents();
        if (std::any_of(open.begin(), open.end(), [&](const auto& d) { return d.get() == document; })) {
            documents_.closeDocument(*document);
        }
    }
}

bool Host::runScript(std::wstring_view source) {
    try {
        evaluate(source);
        return true;
    } catch (const lisp::LispError& error) {
        commandLine_.print(std::wstring(L"\n;  error: ") + error.message() + L"\n");
        return false;
    }
}

void Host::defineFunction(std::wstring_view name, short code) {
    Document* document = documents_.current();
    const PluginModule* module = messageTarget_;
    if (document == nullptr || module == nullptr || code < 0) return;
    auto* target = const_cast<PluginModule*>(module);
    document->lisp().defineExternal(name, [this, target, code](const std::vector<lisp::ValuePtr>& arguments) {
        return callPlugin(*target, code, arguments);
    });
    definitions_.push_back({document, module, std::wstring(name), code});
}

lisp::ValuePtr Host::callPlugin(PluginModule& module, short code, const std::vector<lisp::ValuePtr>& arguments) {
    HostChain chain = chainFromValues(arguments);
    calls_.push_back({code, chain.get(), nullptr});
    const AuditMark mark = auditMark();
    send(module, AcRx::kInvkSubrMsg);
    lisp::ValuePtr result = std::move(calls_.back().result);
    calls_.pop_back();
    auditSince(mark, module.name() + L" function " + std::to_wstring(code));
    return result;
}

std::optional<short> Host::registeredCode(std::wstring_view name) const {
    for (const Definition& definition : definitions_) {
        if (definition.document == documents_.current() && upperCase(definition.name) == upperCase(name)) {
            return definition.code;
        }
    }
    return std::nullopt;
}

int Host::functionCode() const { return calls_.empty() ? -1 : calls_.back().code; }

resbuf* Host::functionArguments() const { return calls_.empty() ? nullptr : calls_.back().arguments; }

void Host::setResult(lisp::ValuePtr result) {
    if (!calls_.empty()) calls_.back().result = std::move(result);
}

int Host::invoke(const resbuf* arguments, resbuf** result) {
    if (result != nullptr) *result = nullptr;
    if (arguments == nullptr || arguments->restype != RTSTR || arguments->resval.rstring == nullptr) return RTERROR;
    Document* document = documents_.current();
    if (document == nullptr) return RTERROR;
    try {
        lisp::ValuePtr answer = document->lisp().call(arguments->resval.rstring, valuesFromChain(arguments->rbnext));
        if (result != nullptr && answer) {
            HostChain chain = chainFromValues({answer});
            resbufs_.adopt(chain.get());
            *result = chain.release();
        }
        return RTNORM;
    } catch (const lisp::LispError& error) {
        commandLine_.print(std::wstring(L"\n;  error: ") + error.message());
        return RTERROR;
    }
}

Host::AuditMark Host::auditMark() {
    return {resbufs_.outstanding(), documents_.resourceDepth(), windows_->serialMark(), openObjects(),
            editor_->selectionSets().live(), kernelHandles_.openCount(), folderPicker_.liveLists(),
            documents_.lockCount()};
}

std::size_t Host::openObjects() const {
    std::size_t open = 0;
    for (const auto& document : documents_.documents()) open += document->database().openObjectCount();
    return open;
}

void Host::auditSince(const AuditMark& mark, std::wstring_view what) {
    if (resbufs_.outstanding() > mark.resbufs) {
        audit_.record(std::wstring(what) + L" leaked " + std::to_wstring(resbufs_.outstanding() - mark.resbufs) +
                      L" result buffer(s)");
    }
    if (documents_.resourceDepth() != mark.resourceHandles) {
        audit_.record(std::wstring(what) + L" left the resource-handle stack unbalanced");
    }
    if (openObjects() > mark.openObjects) {
        audit_.record(std::wstring(what) + L" left " + std::to_wstring(openObjects() - mark.openObjects) +
                      L" database object(s) open");
    }
    if (editor_->selectionSets().live() > mark.selectionSets) {
        audit_.record(std::wstring(what) + L" left " + std::to_wstring(editor_->selectionSets().live() - mark.selectionSets) +
                      L" selection set(s) not freed");
    }
    if (kernelHandles_.openCount() > mark.kernelHandles) {
        audit_.record(std::wstring(what) + L" left " + std::to_wstring(kernelHandles_.openCount() - mark.kernelHandles) +
                      L" handle(s) open");
    }
    if (folderPicker_.liveLists() > mark.itemLists) {
        audit_.record(std::wstring(what) + L" left " + std::to_wstring(folderPicker_.liveLists() - mark.itemLists) +
                      L" item id list(s) not freed");
    }
    if (documents_.lockCount() > mark.documentLocks) {
        audit_.record(std::wstring(what) + L" left " + std::to_wstring(documents_.lockCount() - mark.documentLocks) +
                      L" document lock(s) held");
    }
    // Only modeless windows (made by a dialog's Create) may outlive the call that made them.
    for (HWND window : windows_->survivorsSince(mark.windowSerial)) {
        audit_.record(std::wstring(what) + L" left " + windows_->describe(window) + L" open");
    }
}

PromptResult Host::promptString(bool spacesAllowed, const ACHAR* prompt, bool picksAllowed) {
    if (prompt != nullptr) commandLine_.print(prompt);
    ++promptDepth_;
    PromptResult result{RTCAN, {}};
    for (;;) {
        user_.refill(UserInput::Waiting::Prompt);
        if (user_.empty()) {
            audit_.record(L"a prompt waited for input the user never gave: " + std::wstring(prompt ? prompt : L""));
            break;
        }
        if (user_.nextServesAnywhere()) {
            win::performAnywhere(*windows_, user_.takeDialogAct());
            continue;
        }
        if (user_.nextIsDialogAct()) {
            audit_.record(L"a prompt found the dialog act \"" + user_.describeNext() + L"\" next: " +
                          std::wstring(prompt ? prompt : L""));
            break;
        }
        PromptAnswer answer = user_.take();
        if (answer.kind == PromptAnswer::Kind::Window) {
            performWindowAct(*this, answer);
            continue;
        }
        if (answer.kind == PromptAnswer::Kind::Move || answer.kind == PromptAnswer::Kind::Graphics ||
            answer.kind == PromptAnswer::Kind::CursorPlace) {
            cursor_.perform(answer);
            continue;
        }
        if (answer.kind == PromptAnswer::Kind::Escape) {
            commandLine_.print(L"*Cancel*\n");
            break;
        }
        if (answer.kind == PromptAnswer::Kind::Enter) {
            commandLine_.print(L"\n");
            result = {RTNORM, {}};
            break;
        }
        if (picksAllowed && answer.kind == PromptAnswer::Kind::RightClick) {
            commandLine_.print(L"\n");
            result = {RTNORM, {}};
            break;
        }
        if (picksAllowed && answer.kind == PromptAnswer::Kind::Pick) {
            // A click in another viewport only makes that one current.
            const std::optional<db::Point2> world = editor_->pointOfClick(answer);
            if (!world) continue;
            commandLine_.print(L"\n");
            result = {RTNORM, {}, db::Point3{world->x, world->y, 0.0}};
            break;
        }
        // Picks and keys in the drawing answer only selection and point prompts.
        if (answer.kind != PromptAnswer::Kind::Text) {
            audit_.record(L"a text prompt got a pick or key act: " + std::wstring(prompt ? prompt : L""));
            break;
        }
        std::wstring text = answer.text;
        if (text.size() > 1 && text.front() == L'\'') {
            commandLine_.print(text + L"\n");
            runCommand(text.substr(1));
            if (prompt != nullptr) commandLine_.print(prompt);
            continue;
        }
        // Without spaces allowed, a space ends the input as Enter does; the rest is typed next.
        if (const std::size_t space = text.find(L' '); !spacesAllowed && space != std::wstring::npos) {
            user_.queueFront(PromptAnswer::typed(text.substr(space + 1)));
            text.resize(space);
        }
        commandLine_.print(text + L"\n");
        result = {RTNORM, std::move(text)};
        break;
    }
    --promptDepth_;
    return result;
}

void Host::runScriptedCommand(const std::wstring& name, const std::vector<PromptAnswer>& inputs) {
    for (std::size_t i = inputs.size(); i-- > 0;) user_.queueFront(inputs[i]);
    const std::size_t before = user_.size() - inputs.size();
    commandLine_.print(L"\nCommand: " + name + L"\n");
    runCommand(name);
    // Inputs the command did not read are dropped rather than left for later prompts.
    while (user_.size() > before) user_.take();
}

bool Host::runCommand(std::wstring_view typedName) {
    // The host's own commands come before the applications'.
    // "_" takes the command's global name and "." its built-in form, in either order.
    std::wstring_view bare = typedName;
    while (bare.starts_with(L"_") || bare.starts_with(L".")) bare.remove_prefix(1);
    const std::wstring upper = upperCase(bare);
    if (upper == L"REDRAW") {
        ++redrawCount_;
        return true;
    }
    // The dimension style manager is not shown; its run is counted and the styles stay as they are.
    if (upper == L"DDIM") {
        ++dimStyleManagerRuns_;
        return true;
    }
    const RegisteredCommand* command = commands_.find(typedName);
    if (command == nullptr) {
        commandLine_.print(L"Unknown command \"" + upperCase(typedName) + L"\".  Press F1 for help.\n");
        return false;
    }
    if (commandActive() && (command->flags & ACRX_CMD_TRANSPARENT) == 0) {
        commandLine_.print(L"** That command may not be invoked transparently **\n");
        return false;
    }
    const AuditMark mark = auditMark();
    const std::wstring name = command->localName;
    const PluginModule* outer = messageTarget_;
    messageTarget_ = command->module;
    ++commandDepth_;
    command->function();
    --commandDepth_;
    messageTarget_ = outer;
    auditSince(mark, L"command " + name);
    if (!commandActive()) runSentCommands();
    return true;
}

void Host::executeString(std::wstring_view text) {
    std::vector<std::wstring> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (promptDepth_ == 0) {
        sentLines_.insert(sentLines_.end(), lines.begin(), lines.end());
        return;
    }
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        user_.queueFront(it->empty() ? PromptAnswer::enter() : PromptAnswer::typed(*it));
    }
}

// Each line names a command; the lines after it answer that command's prompts first.
void Host::runSentCommands() {
    while (!sentLines_.empty()) {
        const std::wstring name = std::move(sentLines_.front());
        sentLines_.pop_front();
        if (name.empty()) continue;
        const std::size_t before = user_.size();
        for (auto it = sentLines_.rbegin(); it != sentLines_.rend(); ++it) user_.queueFront(PromptAnswer::typed(*it));
        sentLines_.clear();
        commandLine_.print(L"Command: " + name + L"\n");
        runCommand(name);
        while (user_.size() > before) sentLines_.push_back(user_.take().text);
    }
}

}  // namespace vexa::sim
