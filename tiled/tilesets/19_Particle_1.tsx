<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="19_Particle_1" tilewidth="64" tileheight="128" tilecount="6" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="6"/>
 </properties>
 <tile id="0">
  <image width="64" height="64" source="19_Particle_1/Particle_CheckPoint.png"/>
 </tile>
 <tile id="1">
  <image width="64" height="64" source="19_Particle_1/Particle_Dust.png"/>
 </tile>
 <tile id="2">
  <image width="64" height="64" source="19_Particle_1/Particle_Pollen.png"/>
 </tile>
 <tile id="3">
  <image width="48" height="128" source="19_Particle_1/Particle_Rain.png"/>
 </tile>
 <tile id="4">
  <image width="64" height="64" source="19_Particle_1/Particle_Spray.png"/>
 </tile>
 <tile id="5">
  <image width="48" height="64" source="19_Particle_1/Particle_Water.png"/>
 </tile>
</tileset>
