#include "KyFileChooser.h"

#include <QFileDialog>

namespace {
KyFileChooser::OpenFiles g_openFiles;
KyFileChooser::Folder g_folder;
}

QStringList KyFileChooser::openFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                         const QString& filter)
{
    if (g_openFiles)
        return g_openFiles(parent, caption, dir, filter);
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
}

QString KyFileChooser::existingDirectory(QWidget* parent, const QString& caption, const QString& dir)
{
    if (g_folder)
        return g_folder(parent, caption, dir);
    return QFileDialog::getExistingDirectory(parent, caption, dir, QFileDialog::ShowDirsOnly);
}

void KyFileChooser::setOpenFileNames(OpenFiles answer)
{
    g_openFiles = std::move(answer);
}

void KyFileChooser::setExistingDirectory(Folder answer)
{
    g_folder = std::move(answer);
}
