#pragma once

#include <QString>

class Project;

// Whether the project may be written to a file. Every road to a write of a
// data file asks here first: the save window's button and Enter, its file
// picker, Save, and the save that "Do you want to save changes?" starts.

// What the file at a path is to the project.
enum class WriteTarget {
    NewFile,         // nothing there yet
    OwnFile,         // the project's file, read whole
    OwnFileIncomplete, // the project's file, read in part
    OwnFileNotAMenu, // the project's file, a script that is no menu
    OtherFile,       // another file that exists
    ProgramFile,     // a default project or theme the program ships
    Folder,          // a folder
};
WriteTarget writeTargetOf(const Project &project, const QString &path);

// How the write was asked for: by a command on the project's own file (No
// to a question then means "save it under another name"), or in the save
// window on a name typed or picked (No returns to the window).
enum class WriteRoad { Command, Window };

enum class WriteAnswer { Write, Stop, AnotherName };

// The one decision, asking through the dialog seam where a file would be
// lost: another existing file, or the project's own file when it was not
// read whole; No is the default of each question. The program's own files
// and folders are refused with a message.
WriteAnswer decideWrite(const Project &project, const QString &path, WriteRoad road);

// Whether the save window may propose the project's file as the name to
// save under: not when Enter there would write over what was not read.
bool mayProposeCurrentFile(const Project &project);
