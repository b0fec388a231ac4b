#include <initializer_list>

#include "kito/usage_texts.h"

namespace vexa::kito {

namespace {

struct Constant {
    const wchar_t* name;
    unsigned value;
    std::initializer_list<const wchar_t*> description;
};

struct Group {
    std::initializer_list<const wchar_t*> heading;
    std::initializer_list<Constant> constants;
};

const std::initializer_list<const wchar_t*> opening = {
    L";; (Vexa-Msgbox text caption type)",
    L";; ex. (Vexa-Msgbox \"Hello!\" \"Vexa\" (logior 1 64))",
    L";;     (Vexa-Msgbox \"Hello!\" nil (logior 1 64))",
    L";;     (Vexa-Msgbox \"Hello!\")",
    L";;       The default caption and type are \"Vexa Message\" and 0.",
    L";; type:",
};

const std::initializer_list<Group> typeGroups = {
    {{L";;  To indicate the buttons displayed in the message box, specify one of the",
      L";;  following values."},
     {
         {L"MB_OK", 0, {L";;     The message box contains one push button: OK. This is the default.",
           L";;     Returns IDOK, also when the user presses [ESC].",
           L";;     Use it for a message that needs no decision."}},
         {L"MB_OKCANCEL", 1, {L";;     The message box contains two push buttons: OK and Cancel.",
           L";;     Returns IDOK or IDCANCEL; [ESC] is the same as choosing Cancel.",
           L";;     Use it when the user may still decline the action just described."}},
         {L"MB_ABORTRETRYIGNORE", 2, {L";;     The message box contains three push buttons: Abort, Retry, and Ignore.",
           L";;     Returns IDABORT, IDRETRY or IDIGNORE. The box has no Cancel button,",
           L";;     so [ESC] does not close it. Use it after a failure that the user may",
           L";;     stop at, try again or pass over."}},
         {L"MB_YESNOCANCEL", 3, {L";;     The message box contains three push buttons: Yes, No, and Cancel.",
           L";;     Returns IDYES, IDNO or IDCANCEL; [ESC] is the same as choosing Cancel.",
           L";;     Use it for a question whose answer may also be to stop altogether."}},
         {L"MB_YESNO", 4, {L";;     The message box contains two push buttons: Yes and No.",
           L";;     Returns IDYES or IDNO. The box has no Cancel button, so [ESC] does not",
           L";;     close it. Use it for a plain question."}},
         {L"MB_RETRYCANCEL", 5, {L";;     The message box contains two push buttons: Retry and Cancel.",
           L";;     Returns IDRETRY or IDCANCEL; [ESC] is the same as choosing Cancel.",
           L";;     Use it after a failure that may not happen when tried again."}},
         {L"MB_HELP",
          16384,
          {L";;     Adds a Help button to the message box. When the user clicks the Help",
           L";;     button or presses F1, the system sends a WM_HELP message to the owner.",
           L";;     The Help button does not close the message box and is never returned",
           L";;     as a result. Combine it with any button group; it comes after the",
           L";;     other buttons."}},
     }},
    {{L";;  To display an icon in the message box, specify one of the following",
      L";;  values."},
     {
         {L"MB_ICONSTOP",
          16,
          {L";;     A stop-sign icon appears in the message box.",
           L";;     Use it for a failure that stops the work; the system plays the",
           L";;     critical-stop sound."}},
         {L"MB_ICONERROR",
          16,
          {L";;     A stop-sign icon appears in the message box.",
           L";;     The same icon as MB_ICONSTOP, under the name used for failures."}},
         {L"MB_ICONHAND",
          16,
          {L";;     A stop-sign icon appears in the message box.",
           L";;     The same icon as MB_ICONSTOP, under its older name."}},
         {L"MB_ICONQUESTION",
          32,
          {L";;     A question-mark icon appears in the message box. It is no longer",
           L";;     recommended, since a question mark does not tell a question from a",
           L";;     plain help message. The system plays the question sound."}},
         {L"MB_ICONEXCLAMATION",
          48,
          {L";;     An exclamation-point icon appears in the message box.",
           L";;     Use it for a warning the user should read before going on. The",
           L";;     system plays the exclamation sound."}},
         {L"MB_ICONWARNING",
          48,
          {L";;     An exclamation-point icon appears in the message box.",
           L";;     The same icon as MB_ICONEXCLAMATION, under the name used for",
           L";;     warnings."}},
         {L"MB_ICONINFORMATION",
          64,
          {L";;     An icon consisting of a lowercase letter i in a circle appears in the",
           L";;     message box. Use it for a message that only informs; the system",
           L";;     plays the asterisk sound."}},
         {L"MB_ICONASTERISK",
          64,
          {L";;     An icon consisting of a lowercase letter i in a circle appears in the",
           L";;     message box. The same icon as MB_ICONINFORMATION, under its older",
           L";;     name."}},
     }},
    {{L";;  To indicate the default button, specify one of the following values."},
     {
         {L"MB_DEFBUTTON1",
          0,
          {L";;     The first button is the default button.",
           L";;     MB_DEFBUTTON1 is the default unless MB_DEFBUTTON2, MB_DEFBUTTON3,",
           L";;     or MB_DEFBUTTON4 is specified. The default button is the one that",
           L";;     [Enter] chooses."}},
         {L"MB_DEFBUTTON2", 256, {L";;     The second button is the default button.",
           L";;     Use it with a button group of two or more buttons."}},
         {L"MB_DEFBUTTON3", 512, {L";;     The third button is the default button.",
           L";;     Use it with a button group of three buttons."}},
         {L"MB_DEFBUTTON4", 768, {L";;     The fourth button is the default button.",
           L";;     Only a three-button group with MB_HELP added has a fourth button."}},
     }},
    {{L";;  To indicate the modality of the dialog box, specify one of the following",
      L";;  values."},
     {
         {L"MB_APPLMODAL",
          0,
          {L";;     The user must respond to the message box before continuing work in the",
           L";;     window identified by the owner. However, the user can move to the",
           L";;     windows of other threads and work in those windows.",
           L";;     Depending on the hierarchy of windows in the application, the user may",
           L";;     be able to move to other windows within the thread. All child windows",
           L";;     of the parent of the message box are automatically disabled, but pop-up",
           L";;     windows are not.",
           L";;     MB_APPLMODAL is the default if neither MB_SYSTEMMODAL nor MB_TASKMODAL",
           L";;     is specified."}},
         {L"MB_SYSTEMMODAL",
          4096,
          {L";;     Same as MB_APPLMODAL except that the message box has the WS_EX_TOPMOST",
           L";;     style. Use system-modal message boxes to notify the user of serious,",
           L";;     potentially damaging faults that require immediate attention (for",
           L";;     example, running out of memory). This flag has no effect on the user's",
           L";;     ability to interact with windows other than those associated with the",
           L";;     owner; the owner is disabled as with MB_APPLMODAL."}},
         {L"MB_TASKMODAL",
          8192,
          {L";;     Same as MB_APPLMODAL except that all the top-level windows belonging to",
           L";;     the current thread are disabled if no owner is given. Use this flag",
           L";;     when the calling application or library does not have a window handle",
           L";;     available but still needs to prevent input to other windows in the",
           L";;     calling thread without suspending other threads. The host's main",
           L";;     window is always given as the owner here."}},
     }},
    {{L";;  To specify other options, use one or more of the following values."},
     {
         {L"MB_SETFOREGROUND",
          65536,
          {L";;     The message box becomes the foreground window. Internally, the system",
           L";;     calls the SetForegroundWindow function for the message box, so it is",
           L";;     seen even when another program is active."}},
         {L"MB_DEFAULT_DESKTOP_ONLY",
          131072,
          {L";;     Same as MB_SERVICE_NOTIFICATION except that the system will display the",
           L";;     message box only on the default desktop of the interactive window",
           L";;     station. If the current input desktop is not the default desktop, the",
           L";;     message box does not return until the user switches to the default",
           L";;     desktop."}},
         {L"MB_TOPMOST",
          262144,
          {L";;     The message box is created with the WS_EX_TOPMOST window style.",
           L";;     It stays above all windows that are not topmost, also when inactive."}},
         {L"MB_SERVICE_NOTIFICATION_NT3X",
          262144,
          {L";;     The value of MB_SERVICE_NOTIFICATION on Windows NT 3.51 and earlier;",
           L";;     on later systems the same value means MB_TOPMOST.",
           L";;     Do not use it on current systems."}},
         {L"MB_RIGHT",
          524288,
          {L";;     The text is right-justified. Combine it with MB_RTLREADING for",
           L";;     right-to-left languages."}},
         {L"MB_RTLREADING",
          1048576,
          {L";;     Displays message and caption text using right-to-left reading order on",
           L";;     Hebrew and Arabic systems. Other systems ignore it."}},
         {L"MB_SERVICE_NOTIFICATION",
          2097152,
          {L";;     The caller is a service notifying the user of an event. The function",
           L";;     displays a message box on the current active desktop, even if there is",
           L";;     no user logged on to the computer.",
           L";;     Terminal Services: if the calling thread has an impersonation token,",
           L";;     the function directs the message box to the session specified in the",
           L";;     impersonation token.",
           L";;     If this flag is set, the owner must be NULL, so that the message box",
           L";;     can appear on a desktop other than the desktop of the owner."}},
     }},
};

const std::initializer_list<Constant> results = {
    {L"IDOK", 1, {L";;     OK button was selected."}},
    {L"IDCANCEL", 2, {L";;     Cancel button was selected."}},
    {L"IDABORT", 3, {L";;     Abort button was selected."}},
    {L"IDRETRY", 4, {L";;     Retry button was selected."}},
    {L"IDIGNORE", 5, {L";;     Ignore button was selected."}},
    {L"IDYES", 6, {L";;     Yes button was selected."}},
    {L"IDNO", 7, {L";;     No button was selected."}},
};

void addConstants(UsageText& lines, std::initializer_list<Constant> constants) {
    for (const Constant& constant : constants) {
        lines.push_back(L";;   " + std::wstring(constant.name) + L" = " + std::to_wstring(constant.value));
        lines.insert(lines.end(), constant.description.begin(), constant.description.end());
    }
}

UsageText buildMsgboxUsage() {
    UsageText lines(opening.begin(), opening.end());
    for (const Group& group : typeGroups) {
        lines.insert(lines.end(), group.heading.begin(), group.heading.end());
        addConstants(lines, group.constants);
        lines.emplace_back(L";; ");
    }
    lines.emplace_back(L";; return:");
    addConstants(lines, results);
    return lines;
}

}  // namespace

const UsageText& msgboxUsage() {
    static const UsageText lines = buildMsgboxUsage();
    return lines;
}

}  // namespace vexa::kito
