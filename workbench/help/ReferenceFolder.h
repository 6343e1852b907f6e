#pragma once
// Where the language reference lies: installed with the application under
// <prefix>/share/morvane/docs beside <prefix>/bin, or, for a workbench run
// from its build folder, the source tree's docs/. Nothing is fetched.

#include <QString>

namespace morvane {

// The first folder that holds the reference's start page; empty when none does.
QString FindReferenceFolder();

}  // namespace morvane
