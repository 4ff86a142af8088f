#ifndef SAVELEFTOVERS_H
#define SAVELEFTOVERS_H

#include <QString>
#include <QStringList>

// A save writes the new file under a temporary name of its own beside the
// file, .<file name>.saving-<host>-<pid>-<start>-<n>, which names the writing
// process (its host, its id and its start time) so that no copy a user makes
// looks like one, and whether its writer still runs can be told.

// The file a save of path replaces: path, or where its symbolic links lead.
QString savetarget(const QString &path);

// A new temporary for a save of the file at path (savetarget), in the same
// folder; no two calls in one process give the same name.
QString savetemporary(const QString &path);

// The temporaries beside the file at path of saves whose writer has ended,
// by path.
QStringList endedsaves(const QString &path);

// Removes, beside the file at path, the temporaries of saves whose writer
// has ended, with the files named after them (a lock, a temporary of its
// own). Everything else stays, and nothing is made.
void removesaveleftovers(const QString &path);

#endif
