#pragma once
// The start-up of the program.

namespace core {

// Finds the database folder (the stored one, or the clerk's choice), opens the
// database, loads the document fonts, the settings and the picture paths, and shows the
// MDI parent. The folder is stored only once the start-up has read the database in it;
// a database that does not open or cannot be read (missing, foreign or damaged) is
// reported ("number description", naming the file) and the folder choice is offered
// again. Closing the choice without a folder ends the program, storing nothing. A
// database that another desk still holds after the wait is no reason to choose another
// folder: the clerk is asked whether to try it again (No ends the program, storing
// nothing).
void Main();

}  // namespace core
