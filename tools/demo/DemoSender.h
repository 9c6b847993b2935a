#pragma once

#include <QString>
#include <vector>

// The fictional stations of the demo program folder, by logo group.
namespace senvio::demo {

struct DemoSender {
    QString name;    // also the logo's file name, with ".png"
    QString kuerzel; // the short name drawn on the logo
};

struct DemoGruppe {
    QString name; // folder below "TV und Radio Sender Logos"
    std::vector<DemoSender> sender;
};

const std::vector<DemoGruppe>& DemoGruppen();

} // namespace senvio::demo
