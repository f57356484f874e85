// Keeps the platform library non-empty until its adapters arrive.
namespace { [[maybe_unused]] int platform_placeholder = 0; }
