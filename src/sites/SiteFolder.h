#pragma once
// A site is a folder: the working folder that holds every file the manager keeps for one
// installation (QS7582.ini, the name lists, LEGAL.BIN, history/, .cfi files). Its name
// is the one line of site.txt, or the folder's own name when there is none.

#include "model/FileIo.h"

#include <QString>

namespace q7582 {

inline constexpr const char* SiteNameFileName = "site.txt";
inline constexpr int SiteNameMaxLength = 100;

// The site's name: site.txt's first line, else the folder's base name (its bytes kept).
QString siteNameOf(const QString& folder);

// Replaces site.txt with the name, one line ending in CR LF, through an atomic replace.
// A name siteNameProblem refuses is not written.
FileResult writeSiteName(const QString& folder, const QString& name);

// Empty when the name can be a site's name (and its folder's); otherwise why not.
QString siteNameProblem(const QString& name);

// Where new sites go by default: "Q7582 Sites" in the desktop's documents folder, where
// the file manager shows it.
QString sitesHome();

struct NewSite {
    FileResult result;
    QString folder; // the folder made, when result is ok
};

// Makes parent/<name> ("<name> (2)", "(3)"... when that is taken) and writes its site.txt;
// the parent is made when missing.
NewSite createSite(const QString& parent, const QString& name);

} // namespace q7582
