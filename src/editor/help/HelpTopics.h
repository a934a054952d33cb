#pragma once
// F1 help: a page, dialog or window names its section of the manual ("page.html#anchor"); F1 opens the
// section named nearest above the widget with the focus. A new page or dialog adds its topic to the list
// below and names it with setHelpTopic(); the manual's test checks that every listed topic exists in
// every language.
#include <QString>

class QWidget;

namespace zl::help
{

inline constexpr const char* kContents = "index.html";
inline constexpr const char* kMainWindow = "editor.html#main-window";
inline constexpr const char* kWindowList = "editor.html#window-list";
inline constexpr const char* kCanvas = "editor.html#canvas";
inline constexpr const char* kWindowPage = "editor.html#window-page";
inline constexpr const char* kWindowDialogs = "editor.html#window-dialogs";
inline constexpr const char* kImport = "editor.html#import";
inline constexpr const char* kLedPage = "components.html#led";
inline constexpr const char* kFunctionKeyPage = "components.html#function-key";
inline constexpr const char* kTextPage = "components.html#text";
inline constexpr const char* kDynamicTextPage = "components.html#dynamic-text";
inline constexpr const char* kRegisterPage = "components.html#register";
inline constexpr const char* kBarTrendPage = "components.html#bar-trend";
inline constexpr const char* kPicturePage = "components.html#picture";
inline constexpr const char* kPlcSelection = "settings.html#plc-selection";
inline constexpr const char* kComSelection = "settings.html#com-selection";
inline constexpr const char* kPanelSettings = "settings.html#panel-settings";
inline constexpr const char* kAlarmList = "settings.html#alarm-list";
inline constexpr const char* kOperands = "operands.html#operands-view";
inline constexpr const char* kReplaceOperands = "operands.html#replace";
inline constexpr const char* kCheck = "check.html";
inline constexpr const char* kSimulator = "simulator.html";
inline constexpr const char* kDownload = "download.html#download-dialog";
inline constexpr const char* kAbout = "index.html#about";

inline constexpr const char* kTopics[] = {
    kContents,        kMainWindow,   kWindowList,   kCanvas,         kWindowPage,     kWindowDialogs,
    kImport,          kLedPage,      kFunctionKeyPage, kTextPage,    kDynamicTextPage, kRegisterPage,
    kBarTrendPage,    kPicturePage,  kPlcSelection, kComSelection,   kPanelSettings,  kAlarmList,
    kOperands,        kReplaceOperands, kCheck,     kSimulator,      kDownload,       kAbout,
};

// Names `widget`'s section of the manual, one of the topics above.
void setHelpTopic(QWidget* widget, const char* topic);

// The topic of the nearest widget from `widget` up through its parents that names one; the contents when
// none does (or `widget` is null).
QString helpTopic(const QWidget* widget);

} // namespace zl::help
