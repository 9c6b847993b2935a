#pragma once

#include <QWidget>

class QLabel;

namespace senvio {

// The large preview of one logo: the picture stretched over an area at the bottom
// of the window, the logo's file name as the caption.
class TGrossImageForm : public QWidget {
    Q_OBJECT
public:
    explicit TGrossImageForm(QWidget* eltern = nullptr);
    QLabel* Image1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* ereignis) override;
};

} // namespace senvio
