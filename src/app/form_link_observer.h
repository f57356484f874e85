#pragma once
// What the link reports, turned into window actions.

#include "app/form_hlav.h"
#include "link/link_observer.h"

class TFormHlav::Observer : public ILinkObserver {
  public:
    explicit Observer(TFormHlav& form) : form_(form) {}

    void StatusChanged(const TStatusDisplay& s) override;
    void ShowMessage(const std::string& text) override;
    void ShowImage() override;
    void LogRecord(std::string_view action, int number) override;
    void ReadCompleted() override;
    void PortReleased(const std::string& releaseText) override;
    void PortReturned() override;
    void PortLabelChanged(const std::string& text) override;
    void PortMenuChecked(int index) override;
    void MonitorUpdated() override;
    void Pickup2Changed() override;
    void ConnectionChanged(bool noConnection) override;

  private:
    TFormHlav& form_;
};

// Style-sheet colour of a label colour role; empty for the normal face colour.
QString ColourCss(ColourRole role);
