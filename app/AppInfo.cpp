// placeholder until start-up lands
