#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// What the reduction panel asks of the user and the printer, replaceable in tests.
struct FileDialogRequest
{
    QString title;
    QString filterName;        // "配置文件"
    QString pattern;           // "*.ini"
    QString defaultSuffix;     // "ini"
    QString folder;            // initial folder, empty for the last one used
    bool confirmOverwrite = false;
};

class TRcmDialogs
{
public:
    // Answers the chosen path, empty when cancelled.
    std::function<QString(QWidget *parent, const FileDialogRequest &request)> saveFile;
    std::function<QString(QWidget *parent, const FileDialogRequest &request)> openFile;
    // The one-line input box with its caption and the instruction in its body; empty
    // when cancelled.
    std::function<QString(QWidget *parent, const QString &caption, const QString &label)> askText;
    // A question with "确定" and "取消"; true for "确定".
    std::function<bool(QWidget *parent, const QString &text)> confirm;
    std::function<void(QWidget *parent, const QString &title, const QStringList &lines, int fontSize)>
        print;
    // The pages `print` would fill with these lines.
    std::function<int(const QStringList &lines, int fontSize)> pageCount;

    // The real dialogs and the print routine.
    static TRcmDialogs standard();
};
