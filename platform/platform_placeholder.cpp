// Replaced as the platform layer grows.
