#pragma once

#include <QDialog>

// A window created at program start whose controls are built later: when it
// is first shown, filled or read, or when the main window asks for it right
// after its own first paint. Until then it holds its state in plain members.
class BuiltOnUseDialog : public QDialog {
public:
    using QDialog::QDialog;

    // Builds the controls now unless that happened already.
    void ensureBuilt()
    {
        if (m_built)
            return;
        m_built = true;
        buildControls();
    }
    bool isBuilt() const { return m_built; }

    void setVisible(bool visible) override
    {
        if (visible)
            ensureBuilt();
        QDialog::setVisible(visible);
    }

protected:
    virtual void buildControls() = 0;

private:
    bool m_built = false;
};
