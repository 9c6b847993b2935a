#pragma once

class QWidget;

namespace senvio {

// What the message filter needs of the main window: its modes, the list view, the logo
// grid's scrolling and the help. The window hands itself over once it stands, so neither
// knows the other's class.
class Filterziel {
public:
    virtual const QWidget* Fensterwidget() const = 0;
    virtual bool IstListenModus() const = 0;
    virtual bool IstLogoModus() const = 0;
    // The list takes the keys that the wheel stands for; Ctrl moves an entry only there.
    virtual void FokussiereListe() = 0;
    virtual bool IstListenansicht(const QWidget* widget) const = 0;
    virtual void DreheRaster(int winkel) = 0;
    virtual void ScrolleRaster(int taste) = 0;
    virtual void ZeigeHilfe() = 0;

protected:
    ~Filterziel() = default;
};

} // namespace senvio
