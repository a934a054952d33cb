#pragma once
// A window (screen) of the project: its number, description, the windows the Up and Down keys jump to,
// and its components. The head of the component list is the selected component; drawing walks from the
// tail to the head so the head is on top, hit testing from the head to the tail.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/CBase.h"

namespace zl {

class CMainView {
public:
    explicit CMainView(std::uint16_t number = 1, std::string description = {});

    // Class name in the project file.
    static constexpr const char* kClassName = "CMainView";

    std::uint16_t number;
    std::string description; // GBK
    std::uint16_t upJump;
    std::uint16_t downJump;

    const std::vector<std::unique_ptr<CBase>>& components() const { return m_components; }
    std::size_t componentCount() const { return m_components.size(); }
    CBase* head() const { return m_components.empty() ? nullptr : m_components.front().get(); }

    // Inserts at the head (selecting it) and places it at the canvas point.
    CBase& AddComponent(std::unique_ptr<CBase> component, CPoint canvas);
    // Appends at the tail without placing: the file reader's order.
    void AppendComponent(std::unique_ptr<CBase> component);
    // Selects the first component from the head that contains the point and moves it to the head.
    bool SelectAt(CPoint canvas);
    // Selects the component at list position `position` (moving it to the head); false when there is none.
    bool SelectPosition(std::size_t position);
    // Steps the selection through every component: forward brings the tail to the head, backward sends
    // the head to the tail.
    void SelectNext(bool backward);
    void DeleteSelected();
    void DeleteAll();
    // Takes the description and copies of every component of `source`, appended in its order.
    void CopyComponentsFrom(const CMainView& source);
    // The selection outline: the head's rectangle shrunk by one pixel on the right and bottom.
    std::optional<CRect> SelectionRect() const;

private:
    std::vector<std::unique_ptr<CBase>> m_components; // [0] is the head
};

} // namespace zl
