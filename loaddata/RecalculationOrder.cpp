#include "loaddata/RecalculationOrder.h"

#include <algorithm>
#include <deque>

namespace loaddata
{

namespace
{

constexpr std::size_t kUnvisited = static_cast<std::size_t>(-1);

// Tarjan's strongly connected components with an explicit stack of (node, next edge).
class Components
{
  public:
    explicit Components(const FeedGraph& graph)
        : m_graph(graph), m_index(graph.feeds.size(), kUnvisited), m_low(graph.feeds.size()),
          m_onStack(graph.feeds.size(), false)
    {
    }

    std::vector<std::vector<std::size_t>> run()
    {
        for (std::size_t start = 0; start < m_graph.feeds.size(); ++start)
            if (m_index[start] == kUnvisited)
                visit(start);
        return m_groups;
    }

  private:
    void enter(std::size_t node)
    {
        m_index[node] = m_low[node] = m_next++;
        m_stack.push_back(node);
        m_onStack[node] = true;
        m_walk.push_back({node, 0});
    }

    void visit(std::size_t start)
    {
        enter(start);
        while (!m_walk.empty()) {
            auto& [node, edge] = m_walk.back();
            if (edge < m_graph.feeds[node].size()) {
                const std::size_t to = m_graph.feeds[node][edge++];
                if (m_index[to] == kUnvisited)
                    enter(to);
                else if (m_onStack[to])
                    m_low[node] = std::min(m_low[node], m_index[to]);
                continue;
            }
            const std::size_t done = node;
            m_walk.pop_back();
            if (!m_walk.empty())
                m_low[m_walk.back().first] = std::min(m_low[m_walk.back().first], m_low[done]);
            if (m_low[done] == m_index[done])
                closeGroup(done);
        }
    }

    void closeGroup(std::size_t root)
    {
        std::vector<std::size_t> group;
        std::size_t node;
        do {
            node = m_stack.back();
            m_stack.pop_back();
            m_onStack[node] = false;
            group.push_back(node);
        } while (node != root);
        const auto& feeds = m_graph.feeds[root];
        const bool feedsItself = std::find(feeds.begin(), feeds.end(), root) != feeds.end();
        if (group.size() > 1 || feedsItself) {
            std::sort(group.begin(), group.end());
            m_groups.push_back(std::move(group));
        }
    }

    const FeedGraph& m_graph;
    std::vector<std::size_t> m_index;
    std::vector<std::size_t> m_low;
    std::vector<bool> m_onStack;
    std::vector<std::size_t> m_stack;
    std::vector<std::pair<std::size_t, std::size_t>> m_walk;
    std::size_t m_next = 0;
    std::vector<std::vector<std::size_t>> m_groups;
};

// The changed positions and everything downstream of them.
std::vector<bool> affectedBy(const FeedGraph& graph, const std::vector<std::size_t>& changed)
{
    std::vector<bool> affected(graph.feeds.size(), false);
    std::vector<std::size_t> todo;
    for (std::size_t node : changed)
        if (!affected[node]) {
            affected[node] = true;
            todo.push_back(node);
        }
    while (!todo.empty()) {
        const std::size_t node = todo.back();
        todo.pop_back();
        for (std::size_t to : graph.feeds[node])
            if (!affected[to]) {
                affected[to] = true;
                todo.push_back(to);
            }
    }
    return affected;
}

} // namespace

std::vector<std::vector<std::size_t>> cyclesOf(const FeedGraph& graph)
{
    return Components(graph).run();
}

void recalculationOrder(const FeedGraph& graph, const std::vector<std::size_t>& changed,
                        std::vector<std::size_t>& order, std::vector<std::size_t>& blocked)
{
    const std::vector<bool> affected = affectedBy(graph, changed);
    std::vector<std::size_t> waiting(graph.feeds.size(), 0); // sources among the affected
    for (std::size_t from = 0; from < graph.feeds.size(); ++from)
        if (affected[from])
            for (std::size_t to : graph.feeds[from])
                ++waiting[to];
    std::deque<std::size_t> ready;
    for (std::size_t node = 0; node < graph.feeds.size(); ++node)
        if (affected[node] && waiting[node] == 0)
            ready.push_back(node);
    std::vector<bool> placed(graph.feeds.size(), false);
    order.clear();
    while (!ready.empty()) {
        const std::size_t node = ready.front();
        ready.pop_front();
        order.push_back(node);
        placed[node] = true;
        for (std::size_t to : graph.feeds[node])
            if (--waiting[to] == 0)
                ready.push_back(to);
    }
    blocked.clear();
    for (std::size_t node = 0; node < graph.feeds.size(); ++node)
        if (affected[node] && !placed[node])
            blocked.push_back(node);
}

} // namespace loaddata
