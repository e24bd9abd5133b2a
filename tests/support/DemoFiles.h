#pragma once
// The demo profile and catalog placed into a test's working folder.

#include <QString>

namespace vonu::test {

// Copies demo/Assortiment.Xml to `target` with its file time set from its
// BestandVersie stamp, so the catalog passes the integrity test.
bool placeDemoCatalog(const QString& target);
// Copies the demo profile (104711.Xml) into `folder`.
bool placeDemoProfile(const QString& folder);
// The text of a file of demo/ (empty when it cannot be read).
QString demoFile(const QString& name);

} // namespace vonu::test
