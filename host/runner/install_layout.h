#pragma once

#include <string>

namespace host {

// Where a program finds the demo's libraries and the sample set, relative to its own folder so
// that a build tree, an installed package and a copy moved to another prefix all work:
//   build tree:  bin/ holds programs and libraries, ../assets the generated sample set (in the
//                Windows build a link to the native build's);
//   installed:   bin/ the programs, ../lib/prelo the libraries, ../share/prelo/samples the set;
//   Windows ZIP: the programs and DLLs in one folder, samples/ the set
//                (the install rules pass these relative folders in).

// The folder the three libraries are loaded from; empty on Windows, where the system searches
// the program's folder first, which also copes with names outside the ANSI code page.
std::string ModuleFolder();

// The sample set a program plays when given no --assets: the build tree's when the program runs
// from one, else the installed one (named even when missing, so that the error says where it
// looked).
std::string DefaultAssetFolder();

}  // namespace host
