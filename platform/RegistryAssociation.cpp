#include "RegistryAssociation.h"

namespace platform {

namespace {

const std::string Extension = ".wol";
const std::string NewFileType = "Wolf file";

std::string FileTypeOf(TKeyStore& store)
{
    store.CreateKey(Extension);
    const TDefaultValue current = store.ReadDefaultValue(Extension);
    if (current.Kind == TDefaultValue::TKind::NotText) throw std::runtime_error("Invalid data type for ''");
    if (!current.Text.empty()) return current.Text;
    store.WriteDefaultValue(Extension, NewFileType);
    return NewFileType;
}

}  // namespace

void RegisterWolfFileType(TKeyStore& store, const std::string& nativeExecutablePath)
{
    const std::string fileType = FileTypeOf(store);
    const std::string quotedProgram = '"' + nativeExecutablePath + '"';

    const std::string command = fileType + "\\shell\\open\\command";
    store.CreateKey(command);
    store.WriteDefaultValue(command, quotedProgram + " \"%1\"");

    store.CreateKey(fileType);
    if (!store.HasSubKey(fileType, "DefaultIcon")) {
        const std::string icon = fileType + "\\DefaultIcon";
        store.CreateKey(icon);
        // The second icon group of the program is the book icon.
        store.WriteDefaultValue(icon, quotedProgram + ",1");
    }
    store.AnnounceChange();
}

}  // namespace platform
