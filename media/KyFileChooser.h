#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The media page's file choosers. Tests set the answers instead of a dialog;
// unset, the Qt file dialogs ask.
class KyFileChooser {
public:
    using OpenFiles = std::function<QStringList(QWidget* parent, const QString& caption, const QString& dir,
                                                const QString& filter)>;
    using Folder = std::function<QString(QWidget* parent, const QString& caption, const QString& dir)>;

    static QStringList openFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                     const QString& filter);
    static QString existingDirectory(QWidget* parent, const QString& caption, const QString& dir);

    static void setOpenFileNames(OpenFiles answer);
    static void setExistingDirectory(Folder answer);
};
