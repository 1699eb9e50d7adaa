#include "RegistryAssociation.h"

namespace platform {

namespace {

const QString Extension = QStringLiteral(".wol");
const QString NewFileType = QStringLiteral("Wolf file");

QString FileTypeOf(TKeyStore& store)
{
    store.CreateKey(Extension);
    const TDefaultValue current = store.ReadDefaultValue(Extension);
    if (current.Kind == TDefaultValue::TKind::NotText)
        throw std::runtime_error("Invalid data type for ''");
    if (!current.Text.isEmpty())
        return current.Text;
    store.WriteDefaultValue(Extension, NewFileType);
    return NewFileType;
}

}  // namespace

void RegisterWolfFileType(TKeyStore& store, const QString& nativeExecutablePath)
{
    const QString fileType = FileTypeOf(store);
    const QString quotedProgram = u'"' + nativeExecutablePath + u'"';

    const QString command = fileType + QStringLiteral("\\shell\\open\\command");
    store.CreateKey(command);
    store.WriteDefaultValue(command, quotedProgram + QStringLiteral(" \"%1\""));

    store.CreateKey(fileType);
    if (!store.HasSubKey(fileType, QStringLiteral("DefaultIcon"))) {
        const QString icon = fileType + QStringLiteral("\\DefaultIcon");
        store.CreateKey(icon);
        // The second icon group of the program is the book icon.
        store.WriteDefaultValue(icon, quotedProgram + QStringLiteral(",1"));
    }
    store.AnnounceChange();
}

}  // namespace platform
