#include "tasks/associations.h"

#include "tasks/os_branches.h"
#include "tasks/path_parts.h"
#include "tasks/registry_tasks.h"

static const char kExplorerFileExts[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.";
static const char kMachineClasses[] = "Software\\Classes\\";

static void write_default(uint32_t root, const std::string& key, const std::string& data) {
    create_key_and_set_value(root, key, "", data, kRegSz);
}

int associate(const std::string& extension, const std::string& description,
              const std::string& executable, const std::string& icon_text, int os_code) {
    std::string program = file_name_part(executable);
    std::string command = "\"" + executable + "\" \"%1\"";
    if (associate_uses_classes_root(os_code)) {
        std::string class_name = extension + "_auto_file";
        write_default(kRootClassesRoot, "Applications\\" + program + "\\shell\\open\\command", command);
        if (!description.empty()) {
            write_default(kRootClassesRoot, "." + extension, class_name);
            write_default(kRootClassesRoot, class_name, description);
            if (!icon_text.empty()) write_default(kRootClassesRoot, class_name + "\\DefaultIcon", icon_text);
        }
        create_key_and_set_value(kRootCurrentUser, kExplorerFileExts + extension, "Application", program, kRegSz);
    } else {
        // The program's file name serves as the class name here.
        std::string classes = kMachineClasses;
        write_default(kRootLocalMachine, classes + "." + extension, program);
        if (!description.empty()) write_default(kRootLocalMachine, classes + program, description);
        if (!icon_text.empty()) write_default(kRootLocalMachine, classes + program + "\\DefaultIcon", icon_text);
        write_default(kRootLocalMachine, classes + program + "\\shell\\open\\command", command);
    }
    return 1;
}

int disassociate(const std::string& extension, const std::string& program, int os_code) {
    // An empty program name would turn "Applications\" + name or
    // "Software\Classes\" + name into the whole parent tree: those keys
    // are then left alone.
    if (disassociate_uses_classes_root(os_code)) {
        if (!program.empty()) delete_key_tree(kRootClassesRoot, "Applications\\" + program);
        delete_key_tree(kRootClassesRoot, "." + extension);
        delete_key_tree(kRootClassesRoot, extension + "_auto_file");
        delete_key_tree(kRootCurrentUser, kExplorerFileExts + extension);
    } else {
        std::string classes = kMachineClasses;
        delete_key_tree(kRootLocalMachine, classes + "." + extension);
        if (!program.empty()) delete_key_tree(kRootLocalMachine, classes + program);
    }
    return 1;
}
