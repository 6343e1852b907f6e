' The smallest program: it ends at once and says so.
END
